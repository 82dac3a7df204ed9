#pragma once

// A screen of the game. Exactly one state is current; the frame loop calls its
// processInput, then its update, before every other object's update.
class State {
public:
    virtual ~State() = default;
    virtual void enter() = 0;
    virtual void update(float dt) = 0;
    virtual void exit() = 0;
    virtual void processInput() {}
};
