#pragma once

#include <memory>
#include <string>

#include "core/InputInterface.h"
#include "core/Singleton.h"

class HGE;

// Owns the active input device. Only "Keyboard" (and "Gamepad", which maps to
// the keyboard too) are known.
class InputManager : public Singleton<InputManager> {
public:
    ~InputManager() override;

    static void setInputInterface(const std::string& name);
    static bool processInput(InputManager* manager);

    bool hasInterface() const { return m_interface != nullptr; }
    bool lastResult() const { return m_lastResult; }
    const std::string& name() const { return m_name; }

private:
    void install(const std::string& name);

    std::unique_ptr<InputInterface> m_interface;
    HGE* m_hge = nullptr;
    std::string m_name;
    int m_installed = 0;
    bool m_lastResult = false;
};
