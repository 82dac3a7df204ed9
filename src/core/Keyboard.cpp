#include "core/Keyboard.h"

#include "core/InputEventQueue.h"
#include "engine/hge.h"

namespace {
const int kDevice = 1;
}

Keyboard::Keyboard() : m_hge(hgeCreate(HGE_VERSION)) {}

Keyboard::~Keyboard() {
    m_hge->Release();
}

void Keyboard::post(int action, float first, float second) {
    InputEventQueue::instance()->post({kDevice, action, first, second});
}

void Keyboard::checkKey(int key, int action, float first) {
    if (!m_hge->Input_GetKeyState(key)) {
        return;
    }
    const bool wasHeld = m_held.count(key) != 0;
    post(action, first, wasHeld ? 2.0f : 0.0f);
    m_held[key] = {action, first};
    m_seenThisFrame.insert(key);
}

void Keyboard::checkPointer() {
    float x = 0.0f, y = 0.0f;
    m_hge->Input_GetMousePos(&x, &y);
    if (m_hge->Input_GetKeyState(HGEK_MBUTTON)) {
        post(ActionPointerDrag, x, y);
    } else {
        post(ActionPointerDrag, 0.0f, 0.0f);
        post(ActionPointer, x, y);
    }
}

void Keyboard::postReleases() {
    for (auto it = m_held.begin(); it != m_held.end();) {
        if (m_seenThisFrame.count(it->first) == 0) {
            post(it->second.first, it->second.second, 1.0f);
            it = m_held.erase(it);
        } else {
            ++it;
        }
    }
}

bool Keyboard::process() {
    // The second backspace check reports press or hold as of last frame.
    const bool backspaceWasHeld = m_held.count(HGEK_BACKSPACE) != 0;
    checkKey(HGEK_ENTER, ActionEnter);
    checkKey(HGEK_UP, ActionArrow, 14.0f);
    checkKey(HGEK_DOWN, ActionArrow, 15.0f);
    checkKey(HGEK_RIGHT, ActionArrow, 16.0f);
    checkKey(HGEK_LEFT, ActionArrow, 17.0f);
    checkKey(HGEK_LBUTTON, ActionLeftButton);
    checkKey(HGEK_SPACE, ActionSpace);
    checkKey(HGEK_BACKSPACE, ActionBackspace);
    checkKey(HGEK_RBUTTON, ActionRightButton);
    checkPointer();
    if (m_hge->Input_GetKeyState(HGEK_BACKSPACE)) {
        post(ActionBackspaceRepeat, 0.0f, backspaceWasHeld ? 2.0f : 0.0f);
    }
    postReleases();
    m_seenThisFrame.clear();
    return true;
}

const char* Keyboard::getKeyName() {
    const int key = m_hge->Input_GetKey();
    if (key == 0) {
        return nullptr;
    }
    const char* name = m_hge->Input_GetKeyName(key);
    m_keyName = name ? name : "";
    return m_keyName.c_str();
}
