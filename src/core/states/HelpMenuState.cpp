#include "core/states/HelpMenuState.h"

#include "core/Sprite.h"
#include "core/StateMachine.h"
#include "core/states/MenuState.h"
#include "core/states/MenuWidgets.h"
#include "gui/GuiButton.h"

namespace {

const float BUTTON_DEPTH = 0.9f;
// Just under the button: at the same depth the picture, made later, would be
// drawn over it.
const float OVERVIEW_DEPTH = 0.899f;

}  // namespace

GameState::HelpMenuState* GameState::HelpMenuState::instance() {
    static HelpMenuState* state = new HelpMenuState;
    return state;
}

void GameState::HelpMenuState::enter() {
    m_overview = std::make_unique<Sprite>("gui_overview.png", hgeVector(802, 602));
    m_overview->setHotSpot(0, 0);
    m_overview->setMovesWithCam(true);
    m_overview->setPosition(hgeVector(0, 0));
    m_overview->setZ(OVERVIEW_DEPTH);

    GuiButton* back = MenuWidgets::instance()->getBackButton();
    back->setPosition(750, 550);
    back->setDepth(BUTTON_DEPTH);
    back->setVisible(true);
    back->setActive(true, false);
}

void GameState::HelpMenuState::update(float) {
    if (MenuWidgets::instance()->getBackButton()->isClicked()) {
        StateMachine::instance()->changeState(GameState::MenuState::instance());
    }
}

void GameState::HelpMenuState::exit() {
    MenuWidgets::instance()->getBackButton()->setPosition(750, 0);
    m_overview.reset();
}
