#pragma once

class InputManager;

// An input device that turns the engine's key states into input events.
class InputInterface {
public:
    virtual ~InputInterface() = default;
    virtual void start() {}
    // Reads the device once per frame; false means the device failed.
    virtual bool process() = 0;
    virtual void setManager(InputManager* manager) { m_manager = manager; }
    // The engine's name of the key pressed this frame, or null.
    virtual const char* getKeyName() = 0;

protected:
    InputManager* m_manager = nullptr;
};
