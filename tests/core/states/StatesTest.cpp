// The main menu, the help and new-game screens, the town and the flat, run on
// the shipped content (or a broken copy of it) with scripted input.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "StateTestSupport.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/HelpMenuState.h"
#include "core/states/MenuState.h"
#include "core/states/MenuWidgets.h"
#include "core/states/NewGameState.h"
#include "core/states/RoomState.h"
#include "core/states/ShopStates.h"
#include "core/states/TownState.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/MainGui.h"
#include "resource/ConstantManager.h"
#include "resource/Encoding.h"
#include "sim/InfoManager.h"
#include "sim/TutorialManager.h"

using Menu = GameState::MenuState;
using NewGame = GameState::NewGameState;
using Room = GameState::RoomState;
using Town = GameState::TownState;

namespace {

void go(State* state) {
    StateMachine::instance()->changeState(state);
}

State* current() {
    return StateMachine::instance()->current();
}

InteractionalObject* focus() {
    return InteractionalObject::getCursor()->getFocusObject();
}

// The game on the shipped content with one file replaced by a fixture of
// tests/data/states, or left out.
class BrokenGameFiles : public ::testing::Test {
protected:
    bool start(const char* file, const char* fixture, const char* script) {
        statetest::installShipped(install, file);
        if (*fixture) {
            install.addFixture("xml", file, std::string("states/") + fixture);
        }
        install.mount();
        game = std::make_unique<statetest::Game>(script);
        return game->ok();
    }
    int townWarnings(const std::string& message) {
        return log.count(test::logLine("WW", "GameState::TownState::enter", message));
    }

    test::Installation install;
    test::LogCapture log;
    std::unique_ptr<statetest::Game> game;
};

}  // namespace

// A tour: the menu lights the entry under the pointer; help and a first
// new-game screen lead back to the same widgets; the second new-game screen
// selects levels by name and picture and starts a game in the flat.
TEST(NewGameState, ATourOfTheMenusEndsInTheFlatAtTheChosenLevel) {
    statetest::Game game(
        "2 move 600 280\n5 clickon Help\n9 clickon Back Button\n13 clickon New Game\n"
        "17 clickon Back Button\n21 clickon New Game\n25 clickon Hard\n29 move 120 110\n"
        "30 press left\n31 release left\n33 clickon Normal\n37 clickon Start\n");
    ASSERT_TRUE(game.ok());
    go(Menu::instance());
    Menu* menu = Menu::instance();
    GuiWindow* window = MenuWidgets::instance()->getWindow();
    GuiButton* back = MenuWidgets::instance()->getBackButton();
    ASSERT_TRUE(menu->getNewGameEntry() && menu->getHelpEntry() && menu->getQuitEntry() &&
                menu->getLogo());
    EXPECT_TRUE(window->isVisible() && focus() == window) << "the menu is modal";
    EXPECT_FALSE(back->isInteractive()) << "the hidden back button takes no clicks";
    game.frames(3);
    auto alpha = [](GuiBase* entry) { return entry->getSprite()->GetColor() >> 24; };
    EXPECT_EQ(alpha(menu->getHelpEntry()), alpha(menu->getQuitEntry()));
    EXPECT_GT(alpha(menu->getNewGameEntry()), alpha(menu->getHelpEntry())) << "under the pointer";

    game.frames(4);
    ASSERT_EQ(current(), GameState::HelpMenuState::instance());
    EXPECT_NE(GameState::HelpMenuState::instance()->getOverview(), nullptr);
    EXPECT_TRUE(back->isVisible() && back->isInteractive() && back->getPosition().y == 550);
    EXPECT_FALSE(window->isVisible() || menu->getLogo());
    for (int frames : {4, 8}) {
        SCOPED_TRACE(frames == 4 ? "back from help" : "back from a new game");
        game.frames(frames);
        ASSERT_EQ(current(), menu);
        EXPECT_EQ(GameState::HelpMenuState::instance()->getOverview(), nullptr);
        EXPECT_TRUE(back->getPosition().y == 0 && !back->isVisible());
        EXPECT_TRUE(MenuWidgets::instance()->getWindow() == window &&
                    MenuWidgets::instance()->getBackButton() == back)
            << "the same widgets";
        EXPECT_EQ(MenuWidgets::instance()->getBuiltWindows().size(), 3u) << "entries built anew";
        EXPECT_EQ(window->getController()->getCount(), 4u) << "three entries and the back button";
    }

    game.frames(4);
    NewGame* screen = NewGame::instance();
    ASSERT_EQ(current(), screen);
    const auto& levels = screen->getDifficulties();
    ASSERT_EQ(levels.size(), 3u);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(levels[i].id, std::to_string(i + 1));
        // A name entry, and a game that lasts months.
        EXPECT_TRUE(levels[i].entry && levels[i].endYear * 12 + levels[i].endMonth > 13) << i;
    }
    ASSERT_EQ(screen->getButtons().size(), 3u);
    EXPECT_TRUE(screen->getStartEntry() && back->isVisible());
    // The selected level's description alone shows: first by default, then
    // by name, by picture and by name again.
    for (int selected : {0, 2, 0, 1}) {
        EXPECT_EQ(screen->getSelected(), selected);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(levels[i].description->isVisible(), i == selected) << selected << i;
        }
        game.frames(4);
    }
    game.frames(4);
    EXPECT_EQ(current(), Room::instance());
    EXPECT_EQ(DifficultyLevel::value(), 2);
    EXPECT_FALSE(focus() == window || window->isVisible()) << "the menu lets go of the pointer";
    ASSERT_TRUE(TutorialManager::instance()->isAnyOpen());
    EXPECT_EQ(focus(), TutorialManager::instance()->getOpen().back()->getWindow())
        << "the welcome tutorial takes it";
    EXPECT_TRUE(screen->getButtons().empty() && screen->getDifficulties().empty())
        << "its pictures and levels die when it leaves";
}

TEST(MenuState, QuitAskedAndDeniedKeepsTheMenuConfirmedEndsAndResetsTheAnswer) {
    statetest::Game game(
        "2 clickon Quit\n6 clickon denyButton\n10 clickon Quit\n"
        "14 clickon confirmButton\n");
    ASSERT_TRUE(game.ok());
    go(Menu::instance());
    InfoManager* info = InfoManager::instance();
    ASSERT_TRUE(game.frames(4));
    ASSERT_TRUE(info->isOpen() && info->getCurrentName() == "Exit Button");
    EXPECT_EQ(focus(), info->getWindow());

    ASSERT_TRUE(game.frames(4));
    EXPECT_TRUE(!info->isOpen() && info->getAnswer("Exit Button") == InfoManager::DENIED);
    EXPECT_TRUE(current() == Menu::instance() && focus() == MenuWidgets::instance()->getWindow())
        << "the menu is modal again";

    // Confirmed: the frame that sees the answer ends the program and takes
    // the answer back.
    EXPECT_FALSE(game.frames(12) || Engine::instance()->isRunning());
    EXPECT_EQ(info->getAnswer(), InfoManager::NO_ANSWER);
    Engine::instance()->setRunning(true);
}

TEST_F(BrokenGameFiles, AMissingMenuFileGivesAnEmptyMenuThatStillWorks) {
    ASSERT_TRUE(start("menu.xml", "", "2 click 600 280\n4 clickon Quit\n"));
    go(Menu::instance());
    EXPECT_TRUE(log.has(test::logLine("EE", "XmlReader::getRootChildElement", "got no root")));
    EXPECT_TRUE(!Menu::instance()->getNewGameEntry() &&
                MenuWidgets::instance()->getBuiltWindows().empty());
    EXPECT_TRUE(game->frames(6) && current() == Menu::instance()) << "clicks on nothing do nothing";

    // The new-game screen without levels: nothing to start, but a way back.
    go(NewGame::instance());
    EXPECT_TRUE(NewGame::instance()->getDifficulties().empty());
    EXPECT_EQ(NewGame::instance()->getSelected(), -1);
    EXPECT_TRUE(MenuWidgets::instance()->getBackButton()->isVisible() && game->frames(2));
}

TEST_F(BrokenGameFiles, AMissingInfoFileStillShowsTheMenu) {
    ASSERT_TRUE(start("info.xml", "", "2 clickon Quit\n"));
    go(Menu::instance());
    EXPECT_FALSE(InfoManager::instance()->isLoaded());
    EXPECT_TRUE(game->frames(4));
    EXPECT_TRUE(
        log.has(test::logLine("WW", "InfoManager::show", "no info text with name Exit Button")));
    EXPECT_EQ(focus(), MenuWidgets::instance()->getWindow()) << "no question took the pointer";
}

// Visits to the town, its labels and a door, then the flat's entry delay.
TEST(TownState, GreetsOncePerGameLabelsItsBuildingsLeadsInAndTheFlatWaitsBeforeClicks) {
    statetest::Game game(
        "2 move 100 300\n6 move 300 300\n10 move 300 100\n14 move 720 300\n"
        "18 click 300 300\n");
    ASSERT_TRUE(game.ok());
    InfoManager* info = InfoManager::instance();
    info->load("info.xml");
    Town* town = Town::instance();
    const GuiButton* first = nullptr;
    struct Visit {
        bool newGame;
        int level;
        bool message;
    } visits[] = {{true, 1, true}, {false, 1, false}, {true, 2, false}, {true, 1, true}};
    for (const Visit& visit : visits) {
        SCOPED_TRACE(testing::Message() << visit.newGame << visit.level);
        DifficultyLevel::instance()->set(visit.level);
        if (visit.newGame) {
            MainGui::destroy();  // a new game starts with a new HUD
        }
        game.hge()->Input_SetMousePos(10, 10);
        go(town);
        ASSERT_EQ(town->getBuildings().size(), 4u);
        first = first ? first : town->getBuildings().front().button.get();
        EXPECT_EQ(town->getBuildings().front().button.get(), first) << "built once";
        for (const auto& building : town->getBuildings()) {
            EXPECT_TRUE(building.target && building.button->isVisible())
                << building.button->getName();
        }
        float x = 0, y = 0;
        game.hge()->Input_GetMousePos(&x, &y);
        EXPECT_EQ(hgeVector(x, y), hgeVector(400, 300)) << "the pointer is placed on every visit";
        EXPECT_TRUE(town->getBackground() && info->getCurrentName() == "town");
        EXPECT_EQ(info->isOpen(), visit.message);
        EXPECT_EQ(MainGui::instance()->isTownNotVisited(), visit.level != 1)
            << "only the message ends it";
        info->close();
        go(Room::instance());
        EXPECT_FALSE(first->isVisible() || first->isInteractive()) << "hidden while away";
    }

    // Over the flat, the bank, the sky and the furniture shop: a label 20
    // pixels right of the pointer, or left of it near the edge.
    go(town);
    struct Hover {
        const char* name;
        float pointer;
    } hovers[] = {{u8"Lägenhet", 100}, {"Stadsbanken", 300}, {"", 300}, {u8"Lenas Möbler", 720}};
    for (const Hover& hover : hovers) {
        game.frames(4);
        const GuiWindow* label = town->getLabel();
        EXPECT_EQ(label ? town->getLabelName() : "", W1252(hover.name));
        if (label) {
            const float x = label->getPosition().x;
            EXPECT_TRUE(hover.pointer < 700 ? x == hover.pointer + 20
                                            : x + label->getSize().x < hover.pointer)
                << hover.name;
            EXPECT_FALSE(label->isInteractive()) << "the label never takes the pointer";
        }
    }
    game.frames(4);
    EXPECT_TRUE(current() == GameState::BankState::instance() && !town->getLabel());

    Room* room = Room::instance();
    go(room);
    const float delay = ConstantManager::instance()->getFloat("enterRoomDelay");
    ASSERT_GT(delay, 0.0f);
    for (int entry = 0; entry < 2; ++entry) {
        EXPECT_TRUE(room->isInputDelayed() && room->getInputDelayTimer() == 0) << entry;
        room->update(delay / 2);
        room->update(delay / 2);
        EXPECT_TRUE(room->isInputDelayed()) << "the delay itself is not yet past it";
        room->update(0.01f);
        EXPECT_FALSE(room->isInputDelayed()) << entry;
        room->restartInputDelay();
    }
    go(town);
    EXPECT_FALSE(room->isInputDelayed()) << "leaving clears it";
}

TEST_F(BrokenGameFiles, AnUnknownBuildingIsLoggedAndLeadsNowhere) {
    ASSERT_TRUE(start("gui.xml", "gui_unknown_building.xml", "2 click 500 350\n"));
    DifficultyLevel::instance()->set(2);
    go(Town::instance());
    EXPECT_EQ(townWarnings("unknown building name: Kiosken"), 1);
    ASSERT_EQ(Town::instance()->getBuildings().size(), 2u);
    EXPECT_EQ(Town::instance()->getBuildings()[1].target, nullptr);
    EXPECT_TRUE(game->frames(4) && current() == Town::instance()) << "the click led nowhere";
}

TEST_F(BrokenGameFiles, AMissingTownRecordLeavesAnEmptyTownAndIsReadOnlyOnce) {
    ASSERT_TRUE(start("gui.xml", "gui_no_town.xml", "2 click 300 300\n"));
    go(Town::instance());
    EXPECT_TRUE(Town::instance()->getBuildings().empty() && !Town::instance()->getBackground());
    EXPECT_TRUE(game->frames(4));
    go(Room::instance());
    go(Town::instance());
    EXPECT_EQ(townWarnings("gui.xml is missing town node"), 1) << "read on the first visit only";
}
