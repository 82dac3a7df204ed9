#pragma once

#include "core/InputManager.h"
#include "core/State.h"
#include "core/states/GameState.h"

// The base of every top state: input is read once a frame before the update.
class GameState::TopState : public State {
public:
    void processInput() override { InputManager::processInput(InputManager::instance()); }
};
