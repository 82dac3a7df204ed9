#pragma once

#include <memory>

#include "core/states/TopState.h"

class GuiButton;
class Sprite;

// The closing picture after a game at the highest level.
class GameState::EndState : public GameState::TopState {
public:
    static EndState* instance();

    void enter() override;
    void update(float dt) override;
    void exit() override;

    Sprite* getPicture() const { return m_picture.get(); }
    GuiButton* getExitButton() const { return m_exitButton.get(); }

private:
    EndState() = default;

    std::unique_ptr<Sprite> m_picture;
    std::unique_ptr<GuiButton> m_exitButton;
};
