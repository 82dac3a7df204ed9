#pragma once

#include <memory>

#include "core/states/TopState.h"

class Sprite;

// The help screen: one picture that explains the game, and the back button.
class GameState::HelpMenuState : public GameState::TopState {
public:
    static HelpMenuState* instance();

    void enter() override;
    void update(float dt) override;
    void exit() override;

    Sprite* getOverview() const { return m_overview.get(); }

private:
    HelpMenuState() = default;

    std::unique_ptr<Sprite> m_overview;
};
