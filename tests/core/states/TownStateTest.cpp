// The town: built once, the first-visit message, the name label, the
// buildings' doors and broken town records.
#include <gtest/gtest.h>

#include "StateTestSupport.h"
#include "core/Sprite.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/RoomState.h"
#include "core/states/ShopStates.h"
#include "core/states/TownState.h"
#include "gui/GuiButton.h"
#include "gui/GuiWindow.h"
#include "resource/ConstantManager.h"
#include "resource/Encoding.h"
#include "sim/InfoManager.h"

using Town = GameState::TownState;

namespace {

void go(State* state) {
    StateMachine::instance()->changeState(state);
}

void loadInfos() {
    InfoManager::instance()->load("info.xml");
}

}  // namespace

TEST(TownState, BuiltOnceAndTheFirstVisitMessageShowsOnlyOnceAtLevelOne) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    loadInfos();
    DifficultyLevel::instance()->set(1);
    Town* town = Town::instance();
    town->startGame();
    game.hge()->Input_SetMousePos(10, 10);

    go(town);
    ASSERT_EQ(town->getBuildings().size(), 4u);
    for (const auto& building : town->getBuildings()) {
        EXPECT_NE(building.target, nullptr) << building.button->getName();
        EXPECT_TRUE(building.button->isVisible());
    }
    ASSERT_NE(town->getBackground(), nullptr);
    float x = 0, y = 0;
    game.hge()->Input_GetMousePos(&x, &y);
    EXPECT_FLOAT_EQ(x, 400);
    EXPECT_FLOAT_EQ(y, 300);
    InfoManager* info = InfoManager::instance();
    EXPECT_EQ(info->getCurrentName(), "town");
    EXPECT_TRUE(info->isOpen());
    EXPECT_FALSE(town->isTownNotVisited());
    info->close();

    const GuiButton* first = town->getBuildings().front().button.get();
    go(GameState::RoomState::instance());
    EXPECT_FALSE(first->isVisible()) << "hidden while the player is elsewhere";
    EXPECT_FALSE(first->isInteractive());
    game.hge()->Input_SetMousePos(10, 10);

    go(town);
    ASSERT_EQ(town->getBuildings().size(), 4u) << "not built again";
    EXPECT_EQ(town->getBuildings().front().button.get(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(info->isOpen()) << "the message belongs to the first visit";
    game.hge()->Input_GetMousePos(&x, &y);
    EXPECT_FLOAT_EQ(x, 400) << "the pointer is placed on every visit";

    // A new game has a first visit of its own.
    go(GameState::RoomState::instance());
    town->startGame();
    go(town);
    EXPECT_TRUE(info->isOpen());
}

TEST(TownState, NoFirstVisitMessageAboveLevelOne) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    loadInfos();
    DifficultyLevel::instance()->set(2);
    Town::instance()->startGame();
    go(Town::instance());
    EXPECT_FALSE(InfoManager::instance()->isOpen());
}

TEST(TownState, LabelFollowsThePointerAndABuildingLeadsIn) {
    statetest::Game game(
        "2 move 100 300\n"
        "6 move 300 300\n"
        "10 move 300 100\n"
        "14 move 720 300\n"
        "18 click 300 300\n");
    ASSERT_TRUE(game.ok());
    loadInfos();
    DifficultyLevel::instance()->set(2);
    Town* town = Town::instance();
    go(town);

    game.frames(4);
    ASSERT_NE(town->getLabel(), nullptr);
    EXPECT_EQ(town->getLabelName(), W1252(u8"Lägenhet"));
    EXPECT_FLOAT_EQ(town->getLabel()->getPosition().x, 120) << "20 pixels right of the pointer";
    EXPECT_FALSE(town->getLabel()->isInteractive()) << "the label never takes the pointer";

    game.frames(4);
    ASSERT_NE(town->getLabel(), nullptr);
    EXPECT_EQ(town->getLabelName(), "Stadsbanken");

    game.frames(4);
    EXPECT_EQ(town->getLabel(), nullptr) << "over the sky there is no building";

    game.frames(4);
    ASSERT_NE(town->getLabel(), nullptr);
    EXPECT_EQ(town->getLabelName(), W1252(u8"Lenas Möbler"));
    const GuiWindow* label = town->getLabel();
    EXPECT_LE(label->getPosition().x + label->getSize().x, 800) << "kept on the screen";
    EXPECT_LT(label->getPosition().x + label->getSize().x, 720) << "left of the pointer there";

    game.frames(4);
    EXPECT_EQ(StateMachine::instance()->current(), GameState::BankState::instance());
    EXPECT_EQ(town->getLabel(), nullptr);
}

TEST(TownState, UnknownBuildingIsLoggedAndLeadsNowhere) {
    test::Installation install;
    statetest::installShipped(install, "gui.xml");
    install.addFixture("xml", "gui.xml", "states/gui_unknown_building.xml");
    install.mount();
    test::LogCapture log;
    statetest::Game game("2 click 500 350\n");
    ASSERT_TRUE(game.ok());
    DifficultyLevel::instance()->set(2);
    go(Town::instance());

    EXPECT_EQ(log.count(test::logLine("WW", "GameState::TownState::enter",
                                      "unknown building name: Kiosken")),
              1);
    ASSERT_EQ(Town::instance()->getBuildings().size(), 2u);
    EXPECT_EQ(Town::instance()->getBuildings()[1].target, nullptr);
    game.frames(4);
    EXPECT_EQ(StateMachine::instance()->current(), Town::instance());
}

TEST(TownState, MissingTownRecordLeavesAnEmptyTown) {
    test::Installation install;
    statetest::installShipped(install, "gui.xml");
    install.addFixture("xml", "gui.xml", "states/gui_no_town.xml");
    install.mount();
    test::LogCapture log;
    statetest::Game game("2 click 300 300\n");
    ASSERT_TRUE(game.ok());
    go(Town::instance());
    EXPECT_EQ(log.count(test::logLine("WW", "GameState::TownState::enter",
                                      "gui.xml is missing town node")),
              1);
    EXPECT_TRUE(Town::instance()->getBuildings().empty());
    EXPECT_EQ(Town::instance()->getBackground(), nullptr);
    EXPECT_TRUE(game.frames(4));
    go(GameState::RoomState::instance());
    go(Town::instance());
    EXPECT_EQ(log.count(test::logLine("WW", "GameState::TownState::enter",
                                      "gui.xml is missing town node")),
              1)
        << "read on the first visit only";
}

TEST(RoomState, ClicksWaitForTheEntryDelay) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    GameState::RoomState* room = GameState::RoomState::instance();
    go(room);
    EXPECT_TRUE(room->isInputDelayed());
    EXPECT_FLOAT_EQ(room->getInputDelayTimer(), 0);
    const float delay = ConstantManager::instance()->getFloat("enterRoomDelay");
    ASSERT_GT(delay, 0.0f);
    room->update(delay / 2);
    room->update(delay / 2);
    EXPECT_TRUE(room->isInputDelayed()) << "the delay itself is not yet past it";
    room->update(0.01f);
    EXPECT_FALSE(room->isInputDelayed());

    room->restartInputDelay();
    EXPECT_TRUE(room->isInputDelayed());
    EXPECT_FLOAT_EQ(room->getInputDelayTimer(), 0);
    go(Town::instance());
    EXPECT_FALSE(room->isInputDelayed()) << "leaving clears it";
}
