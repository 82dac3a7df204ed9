#include "core/InputEventQueue.h"

void InputEventQueue::swap() {
    for (int device = 0; device <= 4; ++device) {
        m_readable[device] = std::move(m_filling[device]);
        m_filling[device].clear();
    }
}
