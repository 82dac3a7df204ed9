#include "core/states/EndState.h"

#include "core/Sprite.h"
#include "core/StateMachine.h"
#include "core/states/MenuState.h"
#include "gui/GuiButton.h"

GameState::EndState* GameState::EndState::instance() {
    static EndState* state = new EndState;
    return state;
}

void GameState::EndState::enter() {
    m_picture = std::make_unique<Sprite>("sprite_win.png", hgeVector(802, 602));
    m_picture->setHotSpot(0, 0);
    m_picture->setMovesWithCam(true);
    m_picture->setPosition(hgeVector(0, 0));
    m_exitButton = std::make_unique<GuiButton>("Exit Button", "gui_exit_button.png",
                                               hgeVector(740, 540), hgeVector(53, 53), nullptr);
}

void GameState::EndState::update(float) {
    if (m_exitButton->isClicked()) {
        StateMachine::instance()->changeState(GameState::MenuState::instance());
    }
}

void GameState::EndState::exit() {
    m_picture.reset();
    m_exitButton.reset();
}
