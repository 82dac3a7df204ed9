// Tutorials: key names, bad files and keys, switching them off, the forced
// delay of the confirm button, chains with and without force, and the stack
// of windows when the flat opens one over another.
#include <gtest/gtest.h>

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

const std::string RUN = "TutorialManager::runTutorial";

// A window as the shipped file writes one, with the confirm button's middle
// at (605, 395), and an optional chain.
std::string tutorial(const std::string& key, const std::string& next = "",
                     const std::string& force = "no") {
    return "<tutorial id=\"" + key + "\" name=\"blank\" border=\"1\"><size x=\"560\" y=\"340\"/>" +
           "<position x=\"120\" y=\"90\"/><button guiId=\"confirmButton\" name=\"ok_button\">" +
           "<size x=\"110\" y=\"40\"/><position x=\"430\" y=\"285\"/></button>" +
           (next.empty() ? "" : "<whenDoneTrigger id=\"" + next + "\" force=\"" + force + "\"/>") +
           "</tutorial>";
}

// GUI chains to STOCK, which no period holds.
const std::string FILE_TEXT = "<tutorials><period id=\"1\">" + tutorial("FURNITURE") +
                              tutorial("WELCOME", "GUI") + tutorial("GUI", "STOCK") +
                              tutorial("BUDGETA", "BUDGETB", "yes") + tutorial("BUDGETB") +
                              tutorial("NOPE") + "</period><period id=\"2\">" +
                              tutorial("WELCOME") + tutorial("FURNITURE") + "</period></tutorials>";

// The content of tutorials.xml (none: null) and whether they are switched on.
std::unique_ptr<test::Installation> install(const char* file, const char* enabled = "yes") {
    auto installation = std::make_unique<test::Installation>();
    installation->addFile("xml", "constants.xml",
                          std::string("<f><Constants tutorialsEnabled=\"") + enabled + "\"/></f>");
    if (file) {
        installation->addFile("xml", "tutorials.xml", file);
    }
    installation->mount();
    return installation;
}

// The shipped content with the tutorials above; a click on the confirm
// button at frame 2 and every fourth frame. Frames take no time here: the
// tests pass the time themselves.
class TutorialTest : public ::testing::Test {
protected:
    void SetUp() override {
        statetest::installShipped(m_install, "tutorials.xml");
        m_install.addFile("xml", "tutorials.xml", FILE_TEXT);
        m_install.mount();
        std::string script = "2 click 605 395\n";
        for (int frame = 4; frame <= 200; frame += 4) {
            script += std::to_string(frame) + " clickon confirmButton\n";
        }
        m_game = std::make_unique<statetest::Game>(script);
        ASSERT_TRUE(m_game->ok());
        m_delay = ConstantManager::instance()->getFloat("tutorialForceDelay");
        // As in the game the pointer comes first, so a click reaches a
        // tutorial in the frame it happens.
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
    Tutorial* get(int key) const { return tutorials->getTutorial(key); }

    test::Installation m_install;
    std::unique_ptr<statetest::Game> m_game;
    int m_frames = 0;
    float m_delay = 0.0f;
    TutorialManager* tutorials = nullptr;
    test::LogCapture log;
};

}  // namespace

TEST(TutorialKeys, NamesConvertBothWaysAndAnythingElseIsUndefined) {
    const char* names[] = {"UNDEFINED", "WELCOME", "BUDGETA", "BUDGETB",     "INSURANCE",
                           "STORES",    "EVENTS",  "SAVINGS", "FURNITURE",   "GUI",
                           "STOCK",     "FUNDSA",  "FUNDSB",  "NOTICEBOARD", "UNDEFINED"};
    for (int key = 0; key < 15; ++key) {
        EXPECT_EQ(Tutorial::toString(key), names[key]) << key;
        EXPECT_EQ(Tutorial::fromString(names[key]), key % 14) << key;
    }
    EXPECT_EQ(Tutorial::toString(-1), "UNDEFINED");
    for (const char* name : {"", "welcome", "WELCOME ", "END"}) {
        EXPECT_EQ(Tutorial::fromString(name), Tutorial::UNDEFINED) << name;
    }
}

// Without a period nothing is held and a request opens nothing; an unknown
// key is left out; switched off, nothing runs.
TEST(TutorialFiles, BadFilesPeriodsAndKeysAreLoggedAndOpenNothing) {
    struct Case {
        const char* file;  // null: no tutorials.xml at all
        const char* id;
        const char* line;
        std::size_t held;
    } cases[] = {
        {nullptr, "1", "[EE] [TutorialManager::setDifficulty]\t\tno period with id 1 found", 0},
        {"<tutorials><period id=\"1\"><tutorial id=", "1",
         "[EE] [TutorialManager::setDifficulty]\t\tno period with id 1 found", 0},
        {"<tutorials><period id=\"1\"/></tutorials>", "3",
         "[EE] [TutorialManager::setDifficulty]\t\tno period with id 3 found", 0},
        {FILE_TEXT.c_str(), "1",
         "[WW] [TutorialManager::parseActivePeriod]\t\tfound undefined key NOPE wont store", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        auto installation = install(c.file);
        test::LogCapture log;
        TutorialManager::destroy();
        TutorialManager* tutorials = TutorialManager::instance();
        tutorials->setDifficulty(c.id);
        EXPECT_TRUE(log.has(test::logLine("II", "TutorialManager::setDifficulty",
                                          std::string("setting active period to ") + c.id)));
        EXPECT_EQ(log.count(c.line), 1);
        EXPECT_EQ(log.countPrefix("[DD] [TutorialManager::parseActivePeriod]"), c.held ? 1 : 0);
        EXPECT_EQ(tutorials->getTutorials().size(), c.held);
        tutorials->runIfHasntBeenRun(Tutorial::NOTICEBOARD);
        tutorials->runTutorial(Tutorial::UNDEFINED);
        EXPECT_TRUE(log.has(test::logLine("EE", "TutorialManager::getTutorial",
                                          "tutorial with key 13 not found, returning null")));
        EXPECT_TRUE(log.has(test::logLine("EE", RUN, "wont run undefined tutorial")));
        EXPECT_FALSE(tutorials->isAnyOpen());
        TutorialManager::destroy();
    }
    auto off = install(FILE_TEXT.c_str(), "no");
    test::LogCapture log;
    TutorialManager::instance()->setDifficulty("1");
    TutorialManager::instance()->runTutorial(Tutorial::WELCOME);
    TutorialManager::instance()->runIfHasntBeenRun(Tutorial::FURNITURE);
    EXPECT_FALSE(TutorialManager::instance()->isAnyOpen());
    EXPECT_TRUE(log.from(RUN).empty()) << "switched off";
}

// Dimmed and dead until the delay has passed; then a click closes the
// window and follows the chain, which ends at the key the period lacks and
// gives the screen back.
TEST_F(TutorialTest, TheConfirmButtonWaitsForTheDelayThenTheChainRunsToItsEnd) {
    tutorials->runTutorial(Tutorial::WELCOME);
    Tutorial* welcome = get(Tutorial::WELCOME);
    GuiWindow* window = welcome->getWindow();
    GuiBase* confirm = welcome->getConfirmButton();
    ASSERT_TRUE(welcome->isShown() && confirm);
    EXPECT_FLOAT_EQ(window->getDepth(), ZDepth::getZ("tutorials"));
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), window);
    InfoManager* info = InfoManager::instance();
    EXPECT_TRUE(info->isOverlayShown());
    EXPECT_LT(info->getOverlayDepth(), window->getImages().front()->getZ()) << "behind the frame";
    EXPECT_GT(info->getOverlayDepth(), window->getDepth() - 0.01f) << "just behind";
    for (float step : {m_delay / 2, m_delay / 2}) {
        welcome->update(step);
        EXPECT_FALSE(confirm->isInteractive() || welcome->isConfirmEnabled());
        EXPECT_LT(confirm->getSprite()->GetColor() >> 24, 0xFFu) << "dimmed";
    }
    m_game->frames(m_frames = 4);
    EXPECT_TRUE(welcome->isShown()) << "the click at frame 2 did nothing";
    welcome->update(0.01f);
    EXPECT_TRUE(confirm->isInteractive() && welcome->isConfirmEnabled());
    EXPECT_EQ(confirm->getSprite()->GetColor(), 0xFFFFFFFFu);

    untilClick();
    ASSERT_FALSE(welcome->isOpen());
    ASSERT_EQ(shown(), get(Tutorial::GUI)) << "the chain";
    EXPECT_FALSE(shown()->isConfirmEnabled()) << "each window waits anew";
    untilClick();
    EXPECT_TRUE(log.has(test::logLine("EE", "TutorialManager::getTutorial",
                                      "tutorial with key 10 not found, returning null")));
    EXPECT_FALSE(tutorials->isAnyOpen() || info->isOverlayShown());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);
}

TEST_F(TutorialTest, AForcedLinkShowsASeenTutorialAgainAndAnUnforcedOneSkipsIt) {
    for (int key : {Tutorial::BUDGETB, Tutorial::GUI}) {
        tutorials->runTutorial(key);
        get(key)->close();
    }
    ASSERT_TRUE(tutorials->hasRun(Tutorial::BUDGETB) && !tutorials->isAnyOpen());
    tutorials->runIfHasntBeenRun(Tutorial::BUDGETA);
    untilClick();
    EXPECT_EQ(shown(), get(Tutorial::BUDGETB));
    untilClick();
    tutorials->runIfHasntBeenRun(Tutorial::WELCOME);
    untilClick();
    EXPECT_TRUE(log.has(test::logLine("DD", "TutorialManager::runIfHasntBeenRun",
                                      "tutorial 9 has already been ran, skipping")));
    EXPECT_FALSE(tutorials->isAnyOpen());
}

// At level 1 the flat asks for FURNITURE and then WELCOME: WELCOME and its
// chain show first, FURNITURE waits hidden and comes back after them; the
// budget's hint arrow waits for BUDGETB. At level 2 the flat opens WELCOME.
TEST_F(TutorialTest, TheFlatAtLevelOneStacksFurnitureUnderWelcomeAndLevelTwoOpensWelcome) {
    DifficultyLevel::instance()->set(1);
    Room::instance()->create(1);
    MainGui* hud = MainGui::instance();
    StateMachine::instance()->changeState(GameState::RoomState::instance());
    Tutorial* furniture = get(Tutorial::FURNITURE);
    ASSERT_EQ(tutorials->getOpen().size(), 2u);
    EXPECT_EQ(tutorials->getOpen().front(), furniture);
    EXPECT_EQ(shown(), get(Tutorial::WELCOME));
    EXPECT_TRUE(furniture->isOpen() && !furniture->isShown());
    EXPECT_EQ(hud->getTutorialWindow(), shown()->getWindow());
    untilClick();
    EXPECT_TRUE(shown() == get(Tutorial::GUI) && !furniture->isShown());
    untilClick();
    ASSERT_EQ(shown(), furniture) << "back when the chain has ended";
    EXPECT_EQ(hud->getTutorialWindow(), furniture->getWindow());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), furniture->getWindow());
    EXPECT_FALSE(furniture->isConfirmEnabled() || furniture->getSeconds() > 0) << "waits anew";
    untilClick();
    EXPECT_TRUE(!tutorials->isAnyOpen() && !hud->getTutorialWindow());
    for (bool read : {false, true}) {
        if (read) {
            tutorials->runTutorial(Tutorial::BUDGETB);
            tutorials->closeAll();
        }
        m_game->frames(1);
        EXPECT_EQ(hud->getHintArrow()->isVisible(), read);
    }

    StateMachine::instance()->changeState(nullptr);
    tutorials->setDifficulty("2");
    DifficultyLevel::instance()->set(2);
    StateMachine::instance()->changeState(GameState::RoomState::instance());
    ASSERT_EQ(tutorials->getOpen().size(), 1u);
    EXPECT_EQ(shown(), get(Tutorial::WELCOME));
}
