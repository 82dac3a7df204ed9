// The notice board in the flat: the help entries each level shows, the
// entering delay, the locked achievement page, the cards that show what has
// been earned, a gui.xml without the board, and the room's dealloc.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Sprite.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/RoomState.h"
#include "core/states/StateTestSupport.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiWindow.h"
#include "home/MainGui.h"
#include "home/NoticeBoardGui.h"
#include "home/NoticeboardHelp.h"
#include "home/Room.h"
#include "sim/AchievementManager.h"
#include "sim/DateManager.h"
#include "sim/InfoManager.h"
#include "sim/Statistics.h"

namespace {

class NoticeBoardTest : public ::testing::Test {
protected:
    void TearDown() override {
        MainGui::destroy();
        StateMachine::instance()->changeState(nullptr);
        Room::destroy();
    }
    // The game in the flat at `level`.
    void start(int level, const std::string& script = "") {
        game = std::make_unique<statetest::Game>(script);
        ASSERT_TRUE(game->ok());
        InfoManager::instance()->load("info.xml");
        DifficultyLevel::instance()->set(level);
        Room::instance()->create(1);
        StateMachine::instance()->changeState(GameState::RoomState::instance());
    }
    void runTo(int frame) {
        game->frames(frame - m_frame);
        m_frame = frame;
    }
    // A gui.xml of our own, the rest shipped.
    void install(const std::string& gui) {
        statetest::installShipped(m_install, "gui.xml");
        m_install.addFile("xml", "gui.xml", gui);
        m_install.mount();
    }

    test::LogCapture log;
    std::unique_ptr<statetest::Game> game;
    test::Installation m_install;
    int m_frame = 0;
};

}  // namespace

TEST_F(NoticeBoardTest, EachLevelShowsTheHelpEntriesUpToIt) {
    install(
        "<gui_file><gui guiId=\"noticeBoard\" name=\"blank\" border=\"1\">"
        "<size x=\"640\" y=\"500\"/><position x=\"80\" y=\"50\"/><help guiId=\"help\">"
        "<window id=\"WELCOME\" difficulty=\"1\"/><window id=\"STOCK\" difficulty=\"3\"/>"
        "<window id=\"FUNDSA\" difficulty=\"2\"/><window id=\"GUI\" difficulty=\"1\"/>"
        "</help></gui></gui_file>");
    start(1);
    const std::vector<std::vector<std::string>> expected = {
        {"WELCOME", "GUI"}, {"WELCOME", "FUNDSA", "GUI"}, {"WELCOME", "STOCK", "FUNDSA", "GUI"}};
    for (int level = 1; level <= 3; ++level) {
        SCOPED_TRACE(level);
        DifficultyLevel::instance()->set(level);
        NoticeBoardGui::destroy();
        NoticeBoardGui::instance()->setActive(true);
        std::vector<std::string> names;
        for (const GuiButton* button : NoticeBoardGui::instance()->getHelp()->getButtons()) {
            names.push_back(button->getName());
        }
        EXPECT_EQ(names, expected[level - 1]);
    }
}

// Rounds of 30 frames: the board opens at frame 5 of its round, "Achiev"
// is clicked at once (ignored) and after the entering delay.
TEST_F(NoticeBoardTest, AchievPageWaitsForTheDelayAndIsLockedBelowLevelThree) {
    std::string script;
    for (int round = 0; round < 3; ++round) {
        for (int at : {8, 20}) {
            script += std::to_string(30 * round + at) + " clickon Achiev\n";
        }
    }
    start(1, script);
    for (int level = 1; level <= 3; ++level) {
        SCOPED_TRACE(level);
        InfoManager::instance()->close();
        DifficultyLevel::instance()->set(level);
        NoticeBoardGui::destroy();
        runTo(30 * (level - 1) + 5);
        Room::instance()->getNoticeBoard()->press();
        NoticeBoardGui* board = NoticeBoardGui::instance();
        runTo(30 * (level - 1) + 12);
        EXPECT_FALSE(InfoManager::instance()->isOpen());
        EXPECT_FALSE(board->getBoard()->isShown());
        // Frames run here take no time: the delay passes at once.
        board->update(0.6f);
        runTo(30 * (level - 1) + 25);
        EXPECT_EQ(InfoManager::instance()->isOpen(), level < 3);
        EXPECT_EQ(board->getBoard()->isShown(), level == 3);
    }
    // The room takes its board along, and the pointer is free again.
    Room::instance()->dealloc();
    EXPECT_FALSE(NoticeBoardGui::exists());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);
}

TEST_F(NoticeBoardTest, AnAchievementEarnedWhileTheBoardIsAwayShowsEarnedNextTime) {
    start(3);
    DateManager::instance()->load("date.xml");
    Statistics::instance()->set(StatisticType::FUNDS_ACCOUNT, 2000);
    // Completed before the board was first opened.
    Achievement* first = AchievementManager::instance()->getAchievement(0);
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(first->check());
    NoticeBoardGui* board = NoticeBoardGui::instance();
    board->setActive(true);
    board->setActive(false);
    ASSERT_TRUE(board->getBoard()->markEarned(1));
    const auto& cards = board->getBoard()->getRecords();
    ASSERT_EQ(cards.size(), 9u);
    EXPECT_FALSE(cards.at(1).earned->isVisible());
    board->setActive(true);
    board->getBoard()->show(true);
    for (int index : {0, 1, 2}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(cards.at(index).earned->isVisible(), index < 2);
        EXPECT_EQ(cards.at(index).unearned->isVisible(), index == 2);
    }
}

TEST_F(NoticeBoardTest, WithoutItsRecordTheBoardIsLoggedAndNothingOpens) {
    install("<gui_file/>");
    start(1);
    Room::instance()->getNoticeBoard()->press();
    EXPECT_TRUE(log.has(test::logLine("EE", "NoticeBoardGui::create", "got null element")));
    EXPECT_TRUE(
        log.has(test::logLine("EE", "NoticeBoardGui::setActive", "failed creating window")));
    EXPECT_EQ(NoticeBoardGui::instance()->getWindow(), nullptr);
    EXPECT_TRUE(game->frames(3));
}
