// Tutorials: key names, bad files and keys, the forced delay of the confirm
// button, chains with and without force, the stack of windows when one opens
// over another, the levels at which the flat opens them, and switching them off.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "core/Sprite.h"
#include "core/StateMachine.h"
#include "core/ZDepth.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/RoomState.h"
#include "core/states/StateTestSupport.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiWindow.h"
#include "home/MainGui.h"
#include "home/Room.h"
#include "resource/ConstantManager.h"
#include "sim/InfoManager.h"
#include "sim/TutorialManager.h"

namespace {

const char* const CONTEXT = "TutorialManager::runTutorial";

// A tutorial window as the shipped file writes one, with an optional chain.
std::string tutorial(const std::string& key, const std::string& next = "",
                     const std::string& force = "no") {
    std::string text = "<tutorial id=\"" + key + "\" guiId=\"t " + key +
                       "\" name=\"blank\" border=\"1\"><size x=\"560\" y=\"340\"/>"
                       "<position x=\"120\" y=\"90\"/><button guiId=\"confirmButton\" "
                       "name=\"ok_button\"><size x=\"110\" y=\"40\"/><position x=\"430\" "
                       "y=\"285\"/></button>";
    if (!next.empty()) {
        text += "<whenDoneTrigger id=\"" + next + "\" force=\"" + force + "\"/>";
    }
    return text + "</tutorial>";
}

// GUI chains to STOCK, which no period holds.
const std::string FILE_TEXT = "<tutorials><period id=\"1\">" + tutorial("FURNITURE") +
                              tutorial("WELCOME", "GUI") + tutorial("GUI", "STOCK") +
                              tutorial("BUDGETA", "BUDGETB", "yes") + tutorial("BUDGETB") +
                              tutorial("NOPE") + "</period><period id=\"2\">" +
                              tutorial("WELCOME") + tutorial("FURNITURE") + "</period></tutorials>";

// The shipped content with the tutorials above, with a confirm click every
// fourth frame. The test's frames take no time: the tests pass the time.
class TutorialTest : public ::testing::Test {
protected:
    void SetUp() override {
        statetest::installShipped(m_install, "tutorials.xml");
        m_install.addFile("xml", "tutorials.xml", FILE_TEXT);
        m_install.mount();
        // (605, 395): the middle of the confirm button.
        std::string script = "2 click 605 395\n";
        for (int frame = 4; frame <= 200; frame += 4) {
            script += std::to_string(frame) + " clickon confirmButton\n";
        }
        m_game = std::make_unique<statetest::Game>(script);
        ASSERT_TRUE(m_game->ok());
        m_delay = ConstantManager::instance()->getFloat("tutorialForceDelay");
        // As in the game, the pointer exists before the tutorials, so that a
        // click reaches them in the frame it happens.
        InteractionalObject::getCursor();
        tutorials = TutorialManager::instance();
        tutorials->setDifficulty("1");
    }
    void TearDown() override {
        StateMachine::instance()->changeState(nullptr);
        MainGui::destroy();
        Room::destroy();
    }
    // The delay passes for the shown tutorial, then the next click closes it.
    void untilClick() {
        if (shown()) {
            shown()->update(m_delay + 0.1f);
        }
        m_game->frames(4 - m_frames % 4);
        m_frames += 4 - m_frames % 4;
    }
    Tutorial* shown() const {
        return tutorials->getOpen().empty() ? nullptr : tutorials->getOpen().back();
    }
    static std::string running(int key) { return "running tutorial " + std::to_string(key); }

    test::Installation m_install;
    std::unique_ptr<statetest::Game> m_game;
    int m_frames = 0;
    float m_delay = 0.0f;
    TutorialManager* tutorials = nullptr;
    test::LogCapture log;
};

}  // namespace

TEST(TutorialKeys, NamesConvertBothWaysAndAnythingElseIsUndefined) {
    const char* names[] = {"UNDEFINED", "WELCOME", "BUDGETA", "BUDGETB",    "INSURANCE",
                           "STORES",    "EVENTS",  "SAVINGS", "FURNITURE",  "GUI",
                           "STOCK",     "FUNDSA",  "FUNDSB",  "NOTICEBOARD"};
    for (int key = 0; key < 14; ++key) {
        SCOPED_TRACE(key);
        EXPECT_EQ(Tutorial::toString(key), names[key]);
        EXPECT_EQ(Tutorial::fromString(names[key]), key);
    }
    for (int key : {-1, 14, 99}) {
        EXPECT_EQ(Tutorial::toString(key), "UNDEFINED") << key;
    }
    for (const char* name : {"", "welcome", "WELCOME ", "END", "14"}) {
        EXPECT_EQ(Tutorial::fromString(name), Tutorial::UNDEFINED) << name;
    }
}

// Without a usable period nothing is held, every request is logged and
// nothing opens; an unknown key is left out of a good period.
TEST(TutorialFiles, BadFilesPeriodsAndKeysAreLoggedAndOpenNothing) {
    const std::string context = "TutorialManager::setDifficulty";
    struct Case {
        const char* what;
        const char* file;  // null: no tutorials.xml at all
        const char* id;
        const char* line;  // besides the period line
        std::size_t held;
    } cases[] = {
        {"missing file", nullptr, "1", "no period with id 1 found", 0},
        {"broken file", "<tutorials><period id=\"1\"><tutorial id=", "1",
         "no period with id 1 found", 0},
        {"missing period", "<tutorials><period id=\"1\"/></tutorials>", "3",
         "no period with id 3 found", 0},
        {"undefined key", FILE_TEXT.c_str(), "1", "found undefined key NOPE wont store", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Installation install;
        install.addFile("xml", "constants.xml",
                        "<fiscora><Constants tutorialsEnabled=\"yes\"/></fiscora>");
        if (c.file) {
            install.addFile("xml", "tutorials.xml", c.file);
        }
        install.mount();
        test::LogCapture log;
        TutorialManager::destroy();
        TutorialManager* tutorials = TutorialManager::instance();
        tutorials->setDifficulty(c.id);
        EXPECT_TRUE(
            log.has(test::logLine("II", context, std::string("setting active period to ") + c.id)));
        EXPECT_EQ(log.countPrefix("[EE] [" + context + "]") +
                      log.countPrefix("[WW] [" + context + "]") +
                      log.countPrefix("[WW] [TutorialManager::parseActivePeriod]"),
                  1);
        EXPECT_TRUE(log.has(test::logLine(c.held ? "WW" : "EE",
                                          c.held ? "TutorialManager::parseActivePeriod" : context,
                                          c.line)));
        EXPECT_EQ(tutorials->getTutorials().size(), c.held);
        tutorials->runIfHasntBeenRun(Tutorial::NOTICEBOARD);
        EXPECT_TRUE(log.has(test::logLine("EE", "TutorialManager::getTutorial",
                                          "tutorial with key 13 not found, returning null")));
        tutorials->runTutorial(Tutorial::UNDEFINED);
        EXPECT_TRUE(log.has(test::logLine("EE", CONTEXT, "wont run undefined tutorial")));
        EXPECT_FALSE(tutorials->isAnyOpen());
        TutorialManager::destroy();
    }
}

TEST(TutorialFiles, SwitchedOffNothingRuns) {
    test::Installation install;
    install.addFile("xml", "constants.xml",
                    "<fiscora><Constants tutorialsEnabled=\"no\"/></fiscora>");
    install.addFile("xml", "tutorials.xml", FILE_TEXT);
    install.mount();
    test::LogCapture log;
    TutorialManager* tutorials = TutorialManager::instance();
    tutorials->setDifficulty("1");
    tutorials->runTutorial(Tutorial::WELCOME);
    tutorials->runIfHasntBeenRun(Tutorial::FURNITURE);
    EXPECT_FALSE(tutorials->isAnyOpen() || tutorials->hasRun(Tutorial::WELCOME));
    EXPECT_EQ(log.from(CONTEXT).size(), 0u);
}

// The confirm button is dimmed and dead until the delay has passed; then a
// click closes the window, follows the chain and, at a key the period lacks,
// stops with the error and gives the screen back.
TEST_F(TutorialTest, TheConfirmButtonWaitsForTheDelayThenTheChainRunsToItsEnd) {
    // A click on the dimmed button, half-way through the delay.
    tutorials->runTutorial(Tutorial::WELCOME);
    Tutorial* welcome = tutorials->getTutorial(Tutorial::WELCOME);
    ASSERT_TRUE(welcome->isShown());
    GuiWindow* window = welcome->getWindow();
    GuiBase* confirm = welcome->getConfirmButton();
    EXPECT_FLOAT_EQ(window->getDepth(), ZDepth::getZ("tutorials"));
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), window);
    InfoManager* info = InfoManager::instance();
    EXPECT_TRUE(info->isOverlayShown());
    EXPECT_LT(info->getOverlayDepth(), window->getImages().front()->getZ()) << "behind the frame";
    EXPECT_GT(info->getOverlayDepth(), window->getDepth() - 0.01f) << "just behind";

    ASSERT_GT(m_delay, 0.0f);
    for (float step : {m_delay / 2, m_delay / 2}) {
        welcome->update(step);
        EXPECT_FALSE(confirm->isInteractive() || welcome->isConfirmEnabled());
        EXPECT_LT(confirm->getSprite()->GetColor() >> 24, 0xFFu) << "dimmed";
    }
    m_game->frames(4);
    m_frames = 4;
    EXPECT_TRUE(welcome->isShown()) << "the click on the dimmed button did nothing";
    welcome->update(0.01f);
    EXPECT_TRUE(confirm->isInteractive() && welcome->isConfirmEnabled());
    EXPECT_EQ(confirm->getSprite()->GetColor(), 0xFFFFFFFFu);

    untilClick();
    EXPECT_FALSE(welcome->isOpen());
    ASSERT_EQ(shown(), tutorials->getTutorial(Tutorial::GUI)) << "the chain";
    EXPECT_FALSE(shown()->isConfirmEnabled()) << "each window waits anew";
    untilClick();
    EXPECT_TRUE(log.has(test::logLine("EE", "TutorialManager::getTutorial",
                                      "tutorial with key 10 not found, returning null")));
    EXPECT_FALSE(tutorials->isAnyOpen());
    EXPECT_FALSE(info->isOverlayShown());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);
    EXPECT_TRUE(m_game->frames(3));
}

TEST_F(TutorialTest, AForcedLinkShowsASeenTutorialAgainAndAnUnforcedOneSkipsIt) {
    for (int key : {Tutorial::BUDGETB, Tutorial::GUI}) {
        tutorials->runTutorial(key);
        tutorials->getTutorial(key)->close();
    }
    EXPECT_TRUE(tutorials->hasRun(Tutorial::BUDGETB) && tutorials->hasRun(Tutorial::GUI));
    EXPECT_FALSE(tutorials->isAnyOpen());

    tutorials->runIfHasntBeenRun(Tutorial::BUDGETA);
    untilClick();
    EXPECT_EQ(shown(), tutorials->getTutorial(Tutorial::BUDGETB));
    untilClick();
    EXPECT_FALSE(tutorials->isAnyOpen());

    tutorials->runIfHasntBeenRun(Tutorial::WELCOME);
    untilClick();
    EXPECT_TRUE(log.has(test::logLine("DD", "TutorialManager::runIfHasntBeenRun",
                                      "tutorial 9 has already been ran, skipping")));
    EXPECT_FALSE(tutorials->isAnyOpen());
    tutorials->runIfHasntBeenRun(Tutorial::WELCOME);
    EXPECT_FALSE(tutorials->isAnyOpen()) << "seen";
    tutorials->runTutorial(Tutorial::WELCOME);
    EXPECT_TRUE(tutorials->isAnyOpen()) << "the notice board's replay";
}

// Entering the flat at level 1 asks for FURNITURE and then WELCOME: WELCOME
// and its chain show first, FURNITURE waits hidden and comes back after them.
// At level 2 the flat opens only WELCOME.
TEST_F(TutorialTest, TheFlatAtLevelOneStacksFurnitureUnderWelcomeAndLevelTwoOpensWelcome) {
    DifficultyLevel::instance()->set(1);
    Room::instance()->create(1);
    MainGui* hud = MainGui::instance();
    StateMachine::instance()->changeState(GameState::RoomState::instance());
    Tutorial* furniture = tutorials->getTutorial(Tutorial::FURNITURE);
    ASSERT_EQ(tutorials->getOpen().size(), 2u);
    EXPECT_EQ(tutorials->getOpen().front(), furniture);
    EXPECT_EQ(shown(), tutorials->getTutorial(Tutorial::WELCOME));
    EXPECT_TRUE(furniture->isOpen() && !furniture->isShown());
    EXPECT_EQ(hud->getTutorialWindow(), shown()->getWindow());

    untilClick();
    EXPECT_EQ(shown(), tutorials->getTutorial(Tutorial::GUI));
    EXPECT_FALSE(furniture->isShown());
    untilClick();
    ASSERT_EQ(shown(), furniture) << "back when the chain has ended";
    EXPECT_TRUE(furniture->isShown());
    EXPECT_EQ(hud->getTutorialWindow(), furniture->getWindow());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), furniture->getWindow());
    EXPECT_FALSE(furniture->isConfirmEnabled());
    EXPECT_FLOAT_EQ(furniture->getSeconds(), 0.0f) << "its delay starts over";
    untilClick();
    EXPECT_FALSE(tutorials->isAnyOpen());
    EXPECT_EQ(hud->getTutorialWindow(), nullptr);
    // The hint arrow points at the budget once its tutorial has been read.
    for (bool read : {false, true}) {
        if (read) {
            tutorials->runTutorial(Tutorial::BUDGETB);
            tutorials->closeAll();
        }
        m_game->frames(1);
        EXPECT_EQ(hud->getHintArrow()->isVisible(), read);
    }
    EXPECT_EQ(log.count(test::logLine("II", CONTEXT, running(Tutorial::FURNITURE))), 1);

    StateMachine::instance()->changeState(nullptr);
    tutorials->setDifficulty("2");
    DifficultyLevel::instance()->set(2);
    StateMachine::instance()->changeState(GameState::RoomState::instance());
    ASSERT_EQ(tutorials->getOpen().size(), 1u);
    EXPECT_EQ(shown(), tutorials->getTutorial(Tutorial::WELCOME));
    EXPECT_FALSE(tutorials->hasRun(Tutorial::FURNITURE));
}
