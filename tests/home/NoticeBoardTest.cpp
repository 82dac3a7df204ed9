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
#include "home/NoticeBoardGui.h"
#include "home/NoticeboardHelp.h"
#include "home/Room.h"
#include "sim/AchievementManager.h"
#include "sim/DateManager.h"
#include "sim/InfoManager.h"
#include "sim/Statistics.h"
#include "sim/TutorialManager.h"

namespace {

class NoticeBoardTest : public ::testing::Test {
protected:
    // The game in the flat at `level`; its frames take no time.
    void start(int level, const std::string& script = "") {
        game = std::make_unique<statetest::Game>(script);
        ASSERT_TRUE(game->ok());
        InfoManager::instance()->load("info.xml");
        DifficultyLevel::instance()->set(level);
        Room::instance()->create(1);
        StateMachine::instance()->changeState(GameState::RoomState::instance());
    }
    // A gui.xml of our own, the rest shipped.
    void install(const std::string& gui) {
        statetest::installShipped(m_install, "gui.xml");
        m_install.addFile("xml", "gui.xml", gui);
        m_install.mount();
    }
    NoticeBoardGui* reopen(int level) {
        DifficultyLevel::instance()->set(level);
        NoticeBoardGui::destroy();
        Room::instance()->getNoticeBoard()->press();
        return NoticeBoardGui::instance();
    }

    test::LogCapture log;
    std::unique_ptr<statetest::Game> game;
    test::Installation m_install;
};

}  // namespace

TEST_F(NoticeBoardTest, EachLevelShowsTheHelpEntriesUpToIt) {
    install(
        "<gui_file><gui guiId=\"noticeBoard\" name=\"blank\" border=\"1\"><help guiId=\"help\">"
        "<window id=\"WELCOME\" difficulty=\"1\"/><window id=\"STOCK\" difficulty=\"3\"/>"
        "<window id=\"FUNDSA\" difficulty=\"2\"/><window id=\"GUI\" difficulty=\"1\"/>"
        "</help></gui></gui_file>");
    start(1);
    const std::vector<std::vector<std::string>> expected = {
        {"WELCOME", "GUI"}, {"WELCOME", "FUNDSA", "GUI"}, {"WELCOME", "STOCK", "FUNDSA", "GUI"}};
    for (int level = 1; level <= 3; ++level) {
        SCOPED_TRACE(level);
        std::vector<std::string> names;
        for (const GuiButton* button : reopen(level)->getHelp()->getButtons()) {
            names.push_back(button->getName());
        }
        EXPECT_EQ(names, expected[level - 1]);
    }
}

// Rounds of 30 frames: the board opens at frame 5 of its round, "Achiev"
// is clicked at once (ignored) and after the entering delay.
TEST_F(NoticeBoardTest, AchievPageWaitsForTheDelayAndIsLockedBelowLevelThree) {
    std::string script;
    for (int at : {8, 20, 38, 50, 68, 80}) {
        script += std::to_string(at) + " clickon Achiev\n";
    }
    start(1, script);
    for (int level = 1; level <= 3; ++level) {
        SCOPED_TRACE(level);
        InfoManager::instance()->close();
        game->frames(level == 1 ? 5 : 10);
        NoticeBoardGui* board = reopen(level);
        game->frames(7);
        EXPECT_FALSE(InfoManager::instance()->isOpen() || board->getBoard()->isShown());
        board->update(0.6f);
        game->frames(13);
        EXPECT_EQ(InfoManager::instance()->isOpen(), level < 3);
        EXPECT_EQ(board->getBoard()->isShown(), level == 3);
    }
    // The room takes its board along, and the pointer is free again.
    Room::instance()->dealloc();
    EXPECT_FALSE(NoticeBoardGui::exists());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);
}

// A guide read again from the board gives the pointer back to it; closing
// the board at level 1 shows the board's own guide, once.
TEST_F(NoticeBoardTest, AHelpEntryReplaysItsGuideAfterTheDelay) {
    start(1, "8 clickon STORES\n20 clickon STORES\n");
    TutorialManager* tutorials = TutorialManager::instance();
    tutorials->setDifficulty("1");
    game->frames(5);
    NoticeBoardGui* board = reopen(1);
    game->frames(7);
    EXPECT_FALSE(tutorials->isAnyOpen());
    board->update(0.6f);
    game->frames(13);
    ASSERT_TRUE(tutorials->getTutorial(Tutorial::STORES)->isOpen());
    tutorials->closeAll();
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), board->getWindow());
    for (bool first : {true, false}) {
        board->setActive(false);
        EXPECT_EQ(tutorials->getTutorial(Tutorial::NOTICEBOARD)->isOpen(), first);
        tutorials->closeAll();
        board->setActive(true);
    }
}

TEST_F(NoticeBoardTest, AnAchievementEarnedWhileTheBoardIsAwayShowsEarnedNextTime) {
    start(3);
    DateManager::instance()->load("date.xml");
    Statistics::instance()->set(StatisticType::FUNDS_ACCOUNT, 2000);
    // Completed before the board was first opened.
    ASSERT_TRUE(AchievementManager::instance()->getAchievement(0)->check());
    NoticeBoardGui* board = reopen(3);
    board->setActive(false);
    ASSERT_TRUE(board->getBoard()->markEarned(1));
    const auto& cards = board->getBoard()->getRecords();
    EXPECT_FALSE(cards.at(1).earned->isVisible());
    board->setActive(true);
    board->getBoard()->show(true);
    for (int index : {0, 1, 2}) {
        EXPECT_EQ(cards.at(index).earned->isVisible(), index < 2) << index;
        EXPECT_EQ(cards.at(index).unearned->isVisible(), index == 2) << index;
    }
}

TEST_F(NoticeBoardTest, WithoutItsRecordTheBoardIsLoggedAndNothingOpens) {
    install("<gui_file/>");
    NoticeBoardGui::instance()->setActive(true);
    EXPECT_TRUE(log.has(test::logLine("EE", "NoticeBoardGui::create", "got null element")));
    EXPECT_TRUE(
        log.has(test::logLine("EE", "NoticeBoardGui::setActive", "failed creating window")));
    EXPECT_FALSE(NoticeBoardGui::instance()->isActive());
}
