#include "core/states/MenuState.h"

#include "core/Engine.h"
#include "core/Sprite.h"
#include "core/StateMachine.h"
#include "core/states/HelpMenuState.h"
#include "core/states/MenuBuilder.h"
#include "core/states/MenuWidgets.h"
#include "core/states/NewGameState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiWindow.h"
#include "sim/InfoManager.h"

namespace {

const char* const QUIT_QUESTION = "Exit Button";

}  // namespace

GameState::MenuState* GameState::MenuState::instance() {
    // Never destroyed: its widgets must not outlive the engine at exit.
    static MenuState* state = new MenuState;
    return state;
}

void GameState::MenuState::enter() {
    InfoManager* info = InfoManager::instance();
    if (!info->isLoaded()) {
        info->load("info.xml");
    }
    MenuWidgets* widgets = MenuWidgets::instance();
    widgets->create();
    GuiWindow* window = widgets->getWindow();

    MenuBuilder::build(widgets->getMainRecord(), window, widgets->getBuiltWindows());
    InteractionalObject::getCursor()->setFocusObject(window);
    m_newGame = window->findChild("New Game");
    m_help = window->findChild("Help");
    m_quit = window->findChild("Quit");

    m_logo = std::make_unique<Sprite>("gui_logo.png", hgeVector(420, 152));
    m_logo->setHotSpot(0, 0);
    m_logo->setMovesWithCam(true);
    m_logo->setPosition(hgeVector(35, 55));
    m_logo->setZ(0.9f);
    window->setVisible(true);
    // After the window: showing it shows its children, the back button too.
    GuiButton* back = widgets->getBackButton();
    back->setVisible(false);
    back->setActive(false, false);
}

void GameState::MenuState::update(float) {
    for (GuiWindow* entry : MenuWidgets::instance()->getBuiltWindows()) {
        entry->setAlpha(entry->isHovered() ? HOVER_ALPHA : IDLE_ALPHA);
    }
    InfoManager* info = InfoManager::instance();
    if (m_newGame && m_newGame->isClicked()) {
        StateMachine::instance()->changeState(GameState::NewGameState::instance());
    } else if (m_quit && m_quit->isClicked()) {
        info->show(QUIT_QUESTION, InfoManager::QUESTION, hgeVector(150, 70));
    } else if (m_help && m_help->isClicked()) {
        StateMachine::instance()->changeState(GameState::HelpMenuState::instance());
    } else if (info->getAnswer(QUIT_QUESTION) == InfoManager::CONFIRMED) {
        info->setAnswer(InfoManager::NO_ANSWER);
        Engine::instance()->setRunning(false);
    }
}

void GameState::MenuState::exit() {
    m_logo.reset();
    MenuWidgets* widgets = MenuWidgets::instance();
    GuiButton* back = widgets->getBackButton();
    back->setVisible(true);
    back->setActive(true, false);
    widgets->clearContents();
    widgets->getWindow()->setVisible(false);
    m_newGame = nullptr;
    m_help = nullptr;
    m_quit = nullptr;
}
