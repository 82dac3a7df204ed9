#pragma once

#include "core/states/TopState.h"

// The flat. Right after entering it, and after a window in it closes, clicks
// on furniture are ignored for a short delay ("enterRoomDelay"), so that the
// click that got the player here does not lift a piece.
class GameState::RoomState : public GameState::TopState {
public:
    static RoomState* instance();

    void enter() override;
    void update(float dt) override;
    void exit() override;

    // Furniture ignores clicks while this is set.
    bool isInputDelayed() const { return m_inputDelay; }
    float getInputDelayTimer() const { return m_inputDelayTimer; }
    void restartInputDelay();

private:
    RoomState() = default;

    bool m_inputDelay = false;
    float m_inputDelayTimer = 0.0f;
};
