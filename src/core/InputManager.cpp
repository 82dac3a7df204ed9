#include "core/InputManager.h"

#include "core/Keyboard.h"
#include "core/Log.h"
#include "engine/hge.h"

InputManager::~InputManager() {
    m_interface.reset();
    if (m_hge) {
        m_hge->Release();
    }
}

void InputManager::setInputInterface(const std::string& name) {
    InputManager* manager = instance();
    manager->m_name = name;
    if (name != "Gamepad" && name != "Keyboard") {
        Log::warning("InputManager::setInputInterface") << "Unkowned input interface" << name;
        return;
    }
    manager->install(name);
}

void InputManager::install(const std::string& name) {
    m_interface.reset();
    if (!name.empty()) {
        m_name = name;
    }
    m_interface = std::make_unique<Keyboard>();
    m_installed = 1;
    m_interface->start();
    if (!m_hge) {
        m_hge = hgeCreate(HGE_VERSION);
    }
    m_interface->setManager(this);
}

bool InputManager::processInput(InputManager* manager) {
    if (!manager) {
        manager = instance();
    }
    if (!manager->m_interface) {
        Log::error("InputManager::processInput") << "Input is not initialize";
        manager->m_lastResult = false;
        return false;
    }
    manager->m_lastResult = manager->m_interface->process();
    return manager->m_lastResult;
}
