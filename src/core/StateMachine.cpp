#include "core/StateMachine.h"

#include "core/State.h"

void StateMachine::changeState(State* state) {
    if (m_current == state) {
        return;
    }
    if (m_current) {
        m_previous = m_current;
        m_current->exit();
    }
    m_current = state;
    if (m_current) {
        m_current->enter();
    }
}
