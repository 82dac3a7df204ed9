#pragma once

#include <map>
#include <vector>

#include "core/Singleton.h"

// Input actions posted by the keyboard device each frame. Events posted during
// a frame become readable after the frame's swap. Nothing in the game reads
// them today (objects ask the engine directly); the queue is kept so that a
// future device or a replay can.
struct InputEvent {
    int device;
    int action;
    float first;
    float second;
};

class InputEventQueue : public Singleton<InputEventQueue> {
public:
    void post(const InputEvent& event) { m_filling[event.device].push_back(event); }
    // Makes this frame's events readable for devices 0 to 4 and starts anew.
    void swap();
    const std::vector<InputEvent>& readable(int device) { return m_readable[device]; }

private:
    std::map<int, std::vector<InputEvent>> m_filling;
    std::map<int, std::vector<InputEvent>> m_readable;
};
