// The main menu, the help screen and the new-game screen, run on the shipped
// content with scripted clicks.
#include <gtest/gtest.h>

#include <algorithm>

#include "StateTestSupport.h"
#include "core/Sprite.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/HelpMenuState.h"
#include "core/states/MenuState.h"
#include "core/states/MenuWidgets.h"
#include "core/states/NewGameState.h"
#include "core/states/RoomState.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "gui/Menubutton.h"
#include "sim/InfoManager.h"

using Menu = GameState::MenuState;
using NewGame = GameState::NewGameState;

namespace {

void enterMenu() {
    StateMachine::instance()->changeState(Menu::instance());
}

}  // namespace

TEST(MenuState, BuildsItsEntriesAndLeavesTheBackButtonOff) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    enterMenu();
    Menu* menu = Menu::instance();
    MenuWidgets* widgets = MenuWidgets::instance();

    EXPECT_TRUE(InfoManager::instance()->isLoaded()) << "the menu loads the texts when needed";
    ASSERT_NE(menu->getNewGameEntry(), nullptr);
    ASSERT_NE(menu->getHelpEntry(), nullptr);
    ASSERT_NE(menu->getQuitEntry(), nullptr);
    EXPECT_EQ(widgets->getBuiltWindows().size(), 3u);
    EXPECT_TRUE(widgets->getWindow()->isVisible());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), widgets->getWindow());
    ASSERT_NE(menu->getLogo(), nullptr);
    EXPECT_FLOAT_EQ(menu->getLogo()->getPosition().x, 35);
    EXPECT_FLOAT_EQ(menu->getLogo()->getPosition().y, 55);

    GuiButton* back = widgets->getBackButton();
    EXPECT_FALSE(back->isVisible());
    EXPECT_FALSE(back->isInteractive()) << "a hidden back button must not take clicks";
}

TEST(MenuState, EntriesLightUpUnderThePointer) {
    statetest::Game game("2 move 600 280\n");
    ASSERT_TRUE(game.ok());
    enterMenu();
    game.frames(3);
    Menu* menu = Menu::instance();
    auto alpha = [](GuiBase* entry) { return entry->getSprite()->GetColor() >> 24; };
    EXPECT_EQ(alpha(menu->getNewGameEntry()), 255u);
    EXPECT_EQ(alpha(menu->getHelpEntry()), 200u);
    EXPECT_EQ(alpha(menu->getQuitEntry()), 200u);
}

TEST(MenuState, QuitAskedAndDeniedKeepsTheMenuConfirmedEndsAndResetsTheAnswer) {
    statetest::Game game(
        "2 clickon Quit\n"
        "6 clickon denyButton\n"
        "10 clickon Quit\n"
        "14 clickon confirmButton\n");
    ASSERT_TRUE(game.ok());
    enterMenu();
    InfoManager* info = InfoManager::instance();
    GuiWindow* menuWindow = MenuWidgets::instance()->getWindow();

    ASSERT_TRUE(game.frames(4));
    EXPECT_EQ(info->getCurrentName(), "Exit Button");
    ASSERT_TRUE(info->isOpen());
    EXPECT_NE(info->getWindow()->findChild("confirmButton"), nullptr) << "a question";
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), info->getWindow());

    ASSERT_TRUE(game.frames(4));
    EXPECT_FALSE(info->isOpen());
    EXPECT_EQ(info->getAnswer("Exit Button"), InfoManager::DENIED);
    EXPECT_TRUE(Engine::instance()->isRunning());
    EXPECT_EQ(StateMachine::instance()->current(), Menu::instance());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), menuWindow)
        << "the menu is modal again";

    // The second question, confirmed: the frame that sees the answer ends
    // the program and takes the answer back.
    bool running = true;
    for (int i = 0; running && i < 12; ++i) {
        running = game.frames(1);
    }
    EXPECT_FALSE(running);
    EXPECT_FALSE(Engine::instance()->isRunning());
    EXPECT_EQ(info->getAnswer(), InfoManager::NO_ANSWER);
    Engine::instance()->setRunning(true);
}

TEST(MenuState, HelpAndBackKeepTheSharedWidgetsAndRebuildOnlyTheEntries) {
    statetest::Game game(
        "2 clickon Help\n"
        "6 clickon Back Button\n");
    ASSERT_TRUE(game.ok());
    enterMenu();
    MenuWidgets* widgets = MenuWidgets::instance();
    GuiWindow* window = widgets->getWindow();
    GuiButton* back = widgets->getBackButton();

    game.frames(4);
    ASSERT_EQ(StateMachine::instance()->current(), GameState::HelpMenuState::instance());
    EXPECT_NE(GameState::HelpMenuState::instance()->getOverview(), nullptr);
    EXPECT_TRUE(back->isVisible());
    EXPECT_TRUE(back->isInteractive());
    EXPECT_FLOAT_EQ(back->getPosition().y, 550);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Menu::instance()->getLogo(), nullptr);

    game.frames(4);
    ASSERT_EQ(StateMachine::instance()->current(), Menu::instance());
    EXPECT_EQ(GameState::HelpMenuState::instance()->getOverview(), nullptr);
    EXPECT_FLOAT_EQ(back->getPosition().y, 0);
    EXPECT_FALSE(back->isVisible());
    // The same window and button, the entries built once more (not twice).
    EXPECT_EQ(widgets->getWindow(), window);
    EXPECT_EQ(widgets->getBackButton(), back);
    EXPECT_EQ(widgets->getBuiltWindows().size(), 3u);
    EXPECT_EQ(window->getController()->getCount(), 4u) << "three entries and the back button";
}

TEST(NewGameState, ReadsTheLevelsAndSelectsByNameOrPicture) {
    statetest::Game game(
        "2 clickon New Game\n"
        "6 clickon Hard\n"
        "10 move 120 110\n"
        "11 press left\n"
        "12 release left\n");
    ASSERT_TRUE(game.ok());
    enterMenu();
    game.frames(4);
    NewGame* screen = NewGame::instance();
    ASSERT_EQ(StateMachine::instance()->current(), screen);

    const auto& levels = screen->getDifficulties();
    ASSERT_EQ(levels.size(), 3u);
    const char* ids[] = {"1", "2", "3"};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(levels[i].id, ids[i]);
        EXPECT_NE(levels[i].entry, nullptr) << "name entry of level " << ids[i];
        EXPECT_GT(levels[i].endYear * 12 + levels[i].endMonth, 12 + 1) << "a game lasts months";
        EXPECT_EQ(levels[i].description->isVisible(), i == 0);
    }
    EXPECT_LT(levels[0].endYear * 12 + levels[0].endMonth,
              levels[2].endYear * 12 + levels[2].endMonth)
        << "the beginner's game is the shortest";
    ASSERT_EQ(screen->getButtons().size(), 3u);
    EXPECT_EQ(screen->getSelected(), 0);
    EXPECT_NE(screen->getStartEntry(), nullptr);
    EXPECT_TRUE(MenuWidgets::instance()->getBackButton()->isVisible());

    game.frames(4);
    EXPECT_EQ(screen->getSelected(), 2);
    EXPECT_FALSE(levels[0].description->isVisible());
    EXPECT_TRUE(levels[2].description->isVisible());

    game.frames(4);
    EXPECT_EQ(screen->getSelected(), 0) << "the first picture chooses the first level";
    EXPECT_TRUE(levels[0].description->isVisible());
    EXPECT_FALSE(levels[2].description->isVisible());
}

TEST(NewGameState, StartSetsTheLevelReleasesThePointerAndEntersTheFlat) {
    statetest::Game game(
        "2 clickon New Game\n"
        "6 clickon Normal\n"
        "10 clickon Start\n");
    ASSERT_TRUE(game.ok());
    enterMenu();
    game.frames(14);
    EXPECT_EQ(StateMachine::instance()->current(), GameState::RoomState::instance());
    EXPECT_EQ(DifficultyLevel::value(), 2);
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);
    EXPECT_FALSE(MenuWidgets::instance()->getWindow()->isVisible());
    EXPECT_TRUE(NewGame::instance()->getButtons().empty()) << "its pictures die when it leaves";
    EXPECT_TRUE(NewGame::instance()->getDifficulties().empty());
}

TEST(NewGameState, BackReturnsToTheMenuWithoutLeftovers) {
    statetest::Game game(
        "2 clickon New Game\n"
        "6 clickon Back Button\n"
        "10 clickon New Game\n");
    ASSERT_TRUE(game.ok());
    enterMenu();
    game.frames(8);
    ASSERT_EQ(StateMachine::instance()->current(), Menu::instance());
    GuiWindow* window = MenuWidgets::instance()->getWindow();
    EXPECT_EQ(window->getController()->getCount(), 4u) << "menu entries and the back button";
    EXPECT_FALSE(MenuWidgets::instance()->getBackButton()->isVisible());

    // A second visit builds the same screen again.
    game.frames(4);
    ASSERT_EQ(StateMachine::instance()->current(), NewGame::instance());
    EXPECT_EQ(NewGame::instance()->getDifficulties().size(), 3u);
    EXPECT_EQ(NewGame::instance()->getButtons().size(), 3u);
    EXPECT_EQ(NewGame::instance()->getSelected(), 0);
}

TEST(MenuState, MissingMenuFileGivesAnEmptyMenuThatStillWorks) {
    test::Installation install;
    statetest::installShipped(install, "menu.xml");
    install.mount();
    test::LogCapture log;
    statetest::Game game(
        "2 click 600 280\n"
        "4 clickon Quit\n");
    ASSERT_TRUE(game.ok());
    enterMenu();
    EXPECT_TRUE(log.has(test::logLine("EE", "XmlReader::getRootChildElement", "got no root")));
    EXPECT_EQ(Menu::instance()->getNewGameEntry(), nullptr);
    EXPECT_TRUE(MenuWidgets::instance()->getBuiltWindows().empty());
    EXPECT_TRUE(game.frames(6)) << "clicks on nothing change nothing";
    EXPECT_EQ(StateMachine::instance()->current(), Menu::instance());

    // The new-game screen without levels: nothing to start, but a way back.
    StateMachine::instance()->changeState(NewGame::instance());
    EXPECT_TRUE(NewGame::instance()->getDifficulties().empty());
    EXPECT_EQ(NewGame::instance()->getSelected(), -1);
    EXPECT_TRUE(MenuWidgets::instance()->getBackButton()->isVisible());
    EXPECT_TRUE(game.frames(2));
}

TEST(MenuState, MissingInfoFileStillShowsTheMenu) {
    test::Installation install;
    statetest::installShipped(install, "info.xml");
    install.mount();
    test::LogCapture log;
    statetest::Game game("2 clickon Quit\n");
    ASSERT_TRUE(game.ok());
    enterMenu();
    EXPECT_FALSE(InfoManager::instance()->isLoaded());
    EXPECT_NE(Menu::instance()->getQuitEntry(), nullptr);
    EXPECT_TRUE(game.frames(4));
    EXPECT_TRUE(
        log.has(test::logLine("WW", "InfoManager::show", "no info text with name Exit Button")));
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(),
              MenuWidgets::instance()->getWindow())
        << "no question took the pointer";
}
