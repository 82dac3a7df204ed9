#pragma once

#include "core/Singleton.h"

class State;

// Switches between the top states. The previous state is remembered only for
// inspection; nothing returns to it.
class StateMachine : public Singleton<StateMachine> {
public:
    // Changing to the current state does nothing; otherwise the old state's
    // exit runs before the new state's enter.
    void changeState(State* state);

    State* current() const { return m_current; }
    State* previous() const { return m_previous; }

private:
    State* m_current = nullptr;
    State* m_previous = nullptr;
};
