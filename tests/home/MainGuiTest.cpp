// The HUD in the flat: Play's refusals and the month it plays, the budget it
// opens and closes, the locked investments, sound, what each state shows,
// the hover labels, leaving the game, and a gui.xml without the HUD.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Money.h"
#include "core/SoundPlayer.h"
#include "core/Sprite.h"
#include "core/StreamPlayer.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/EndState.h"
#include "core/states/MenuState.h"
#include "core/states/NewGameState.h"
#include "core/states/RoomState.h"
#include "core/states/StateTestSupport.h"
#include "core/states/TownState.h"
#include "engine/hge.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/EndGui.h"
#include "home/FurnitureBase.h"
#include "home/InvestmentCalculator.h"
#include "home/InvestmentGui.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "home/ServiceButton.h"
#include "resource/Encoding.h"
#include "sim/DateManager.h"
#include "sim/FlagSystem.h"
#include "sim/InfoManager.h"
#include "sim/Statistics.h"
#include "sim/TimeLoader.h"
#include "sim/TutorialManager.h"

namespace {

void go(State* state) {
    StateMachine::instance()->changeState(state);
}

class MainGuiTest : public ::testing::Test {
protected:
    void TearDown() override {
        MainGui::destroy();
        go(nullptr);
        Room::destroy();
    }

    // The game on what is mounted (the shipped content unless a test mounts
    // its own), with scripted input.
    bool start(const std::string& script = "") {
        game = std::make_unique<statetest::Game>(script);
        InfoManager::instance()->load("info.xml");
        return game->ok();
    }
    // A new game at `level` in the flat, as the new-game screen starts one.
    MainGui* newGame(int level) {
        go(nullptr);
        MainGui::destroy();
        InteractionalObject::getCursor()->setFocusObject(nullptr);
        InfoManager::instance()->close();
        InfoManager::instance()->setAnswer(InfoManager::NO_ANSWER);
        DifficultyLevel::instance()->set(level);
        Portfolio::instance()->clear();
        Portfolio::instance()->setCash(4000);
        InvestmentCalculator::instance()->reload();
        DateManager::instance()->load("date.xml");
        TimeLoader::instance()->reset();
        FlagSystem::instance()->load();
        Room::destroy();
        Room::instance()->create(1);
        MainGui* hud = MainGui::instance();
        go(GameState::RoomState::instance());
        return hud;
    }
    static std::string shown() {
        InfoManager* info = InfoManager::instance();
        return info->isOpen() ? info->getCurrentName() : "";
    }
    static void putRedPiece() {
        Room::instance()->addFurniture(11)->drop();
        FurnitureBase* piece = Room::instance()->addFurniture(11);
        piece->moveTo(piece->getViewPosition());
        ASSERT_TRUE(piece->isBlocked());
    }

    test::LogCapture log;
    std::unique_ptr<statetest::Game> game;
};

}  // namespace

// Each check of Play failing alone, and two failing at once: the first wins.
TEST_F(MainGuiTest, PlayRefusesInOrderAndARunningMonthIgnoresIt) {
    ASSERT_TRUE(start("2 clickon door\n"));
    struct Case {
        const char* what;
        int level;
        bool redPiece;
        bool running;
        bool budgetDone;
        const char* message;
    } cases[] = {
        {"first budget missing, before the red piece", 1, true, true, false, "Force Budget"},
        {"red piece, before the running month", 2, true, true, false, "furniture block"},
        {"month running: nothing at all", 2, false, true, false, ""},
        {"no budget this month", 2, false, false, false, "play_budget"},
        {"the first budget is only asked at level 1", 2, false, false, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MainGui* hud = newGame(c.level);
        if (c.redPiece) {
            putRedPiece();
        }
        if (c.running) {
            DateManager::instance()->startMonth();
        }
        hud->setBudgetDone(c.budgetDone);
        hud->play();
        EXPECT_EQ(shown(), c.message);
        const bool played = !c.running && *c.message == '\0';
        EXPECT_EQ(hud->isMonthStarted(), played);
        EXPECT_EQ(TimeLoader::instance()->getWindow()->isVisible(), played);
    }
    // The flat's door asks the HUD too: no town before the first budget.
    newGame(1);
    game->frames(3);
    EXPECT_EQ(shown(), "Force Budget");
}

TEST_F(MainGuiTest, WithoutTheBudgetCheckAMonthIsPlayedWithoutABudget) {
    test::Installation install;
    statetest::installShipped(install, "constants.xml");
    install.addFile("xml", "constants.xml",
                    "<fiscora><Constants budgetCheck=\"no\" eventCheck=\"no\"/></fiscora>");
    install.mount();
    ASSERT_TRUE(start());
    MainGui* hud = newGame(1);
    ASSERT_TRUE(hud->isBudgetPending() && !hud->isBudgetDone());
    hud->play();
    EXPECT_EQ(shown(), "");
    EXPECT_TRUE(hud->isMonthStarted());
    EXPECT_NE(DateManager::instance()->getStopDate(), nullptr);
}

// The month step: the condition rule sees what was bought before it is
// cleared, then funds, stocks and the interest move in that order.
TEST_F(MainGuiTest, PlayingAMonthRunsItsStepsInOrder) {
    ASSERT_TRUE(start());
    MainGui* hud = newGame(2);
    InvestmentCalculator* market = InvestmentCalculator::instance();
    market->deposit(1000.0f);
    MonthConsumption& month = hud->getMonth();
    month.food = MonthConsumption::FOOD_NORM;
    month.clothes = MonthConsumption::CLOTHES_NORM;
    month.hygiene = MonthConsumption::HYGIENE_NORM;
    month.bought = true;
    hud->setBudgetDone(true);
    const uint32_t seed = 4711;
    game->hge()->Random_Seed(seed);
    log.take();
    hud->play();

    EXPECT_FALSE(FlagSystem::instance()->isRaised(FiscoraFlags::LOWHEALTH))
        << "the rule saw the food bought, not the cleared figures";
    EXPECT_EQ(month.food + month.clothes + month.hygiene, 0);
    EXPECT_FALSE(month.bought);
    EXPECT_EQ(DateManager::instance()->getDay(), 1);

    // Every fund moves before any stock.
    const std::vector<std::string> moved = log.from("Investment::calculateInvestment");
    std::vector<std::string> expected;
    for (const auto* records : {&market->getFundRecords(), &market->getStockRecords()}) {
        for (const auto& entry : *records) {
            expected.push_back("Updating investment " + entry.second.name + " from");
        }
    }
    ASSERT_EQ(moved.size(), expected.size());
    for (std::size_t i = 0; i < moved.size(); ++i) {
        EXPECT_NE(moved[i].find(expected[i]), std::string::npos) << moved[i];
    }
    // The interest is the draw after the six prices.
    game->hge()->Random_Seed(seed);
    for (std::size_t i = 0; i < moved.size(); ++i) {
        game->hge()->Random_Float(0, 1);
    }
    const float rate = game->hge()->Random_Float(market->getSavingsMin(), market->getSavingsMax());
    EXPECT_FLOAT_EQ(market->getBalance(), 1000.0f + 1000.0f / 100.0f * rate);
}

// "ok" ends the budget; the praise comes after the first one, at level 1 only.
TEST_F(MainGuiTest, TheBudgetsOkEndsItAndTheFirstIsPraisedAtLevelOne) {
    std::string script;
    for (int base : {0, 20}) {
        script += std::to_string(base + 2) + " clickon exitButton\n" + std::to_string(base + 5) +
                  " clickon ok\n" + std::to_string(base + 11) + " clickon ok\n";
    }
    ASSERT_TRUE(start(script));
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        MainGui* hud = newGame(level);
        hud->openBudget();
        ASSERT_NE(hud->getBudget(), nullptr);
        EXPECT_EQ(shown(), "budgetinfo");
        game->frames(8);
        EXPECT_EQ(hud->getBudget(), nullptr);
        EXPECT_TRUE(hud->isBudgetDone() && !hud->isBudgetPending());
        EXPECT_EQ(shown(), level == 1 ? "buy finbudget" : "");
        InfoManager::instance()->close();
        hud->openBudget();
        EXPECT_EQ(shown(), "") << "no introduction the second time";
        game->frames(6);
        EXPECT_EQ(hud->getBudget(), nullptr);
        EXPECT_EQ(shown(), "") << "praised once";
        game->frames(6);
    }
}

TEST_F(MainGuiTest, InvestmentsAreLockedAtLevelOneAndSoundMutesBoth) {
    ASSERT_TRUE(start());
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        MainGui* hud = newGame(level);
        hud->openInvestments();
        EXPECT_EQ(shown(), level == 1 ? "Locked" : "");
        EXPECT_EQ(InvestmentGui::instance()->isOpen(), level > 1);
        InvestmentGui::instance()->close();
    }
    MainGui* hud = MainGui::instance();
    for (bool muted : {true, false}) {
        hud->toggleSound();
        EXPECT_EQ(SoundPlayer::instance()->isMuted(), muted);
        EXPECT_EQ(StreamPlayer::instance()->isMuted(), muted);
        EXPECT_EQ(hud->getSoundOff()->isVisible(), muted) << "the slash over the button";
    }
}

// The flat shows the bar, the services the player has and the date; the town
// only the cash; the hover label names the button; Exit leaves the game.
TEST_F(MainGuiTest, TheFlatShowsItAllTheTownTheCashAndExitLeaves) {
    ASSERT_TRUE(
        start("2 move 45 555\n6 move 400 300\n10 clickon Exit Button\n"
              "14 clickon confirmButton\n"));
    go(GameState::MenuState::instance());  // the new-game screen's widgets
    MainGui* hud = newGame(1);
    GuiBase* play = hud->findWidget("Play Button");
    GuiBase* cash = hud->findWidget("Cash Window");
    ASSERT_TRUE(play && cash && hud->getServices().size() == 7);
    // The tutorials of the flat and the budget have been read: the arrow may
    // point at the budget, and coming home opens none.
    TutorialManager* tutorials = TutorialManager::instance();
    tutorials->setDifficulty("1");
    for (int key : {Tutorial::WELCOME, Tutorial::FURNITURE, Tutorial::BUDGETB}) {
        tutorials->runTutorial(key);
    }
    tutorials->closeAll();
    game->frames(3);
    EXPECT_TRUE(hud->getBackground()->isVisible() && play->isVisible() && cash->isVisible());
    for (ServiceButton* service : hud->getServices()) {
        EXPECT_EQ(service->isVisible(), FlagSystem::instance()->isRaised(service->getFlag()))
            << service->getName();
    }
    EXPECT_EQ(hud->getCashText(), W1252(u8"4 000 kr"));
    EXPECT_EQ(hud->getDateText(), "1 jan");
    EXPECT_EQ(hud->getLabel().getText(), W1252(u8"Spela nästa månad"));
    EXPECT_TRUE(hud->getHintArrow()->isVisible()) << "the first budget is waiting";
    game->frames(4);
    EXPECT_FALSE(hud->getLabel().isShown());

    go(GameState::TownState::instance());
    InfoManager::instance()->close();
    EXPECT_TRUE(cash->isVisible() && !play->isVisible() && !hud->getBackground()->isVisible());
    EXPECT_FALSE(hud->getHintArrow()->isVisible() || hud->isTownNotVisited());
    go(GameState::RoomState::instance());
    EXPECT_TRUE(play->isVisible() && play->isInteractive());

    game->frames(4);
    EXPECT_EQ(shown(), "Exit Button2");
    game->frames(4);
    EXPECT_EQ(StateMachine::instance()->current(), GameState::NewGameState::instance());
    EXPECT_FALSE(MainGui::exists());
}

// The end of the calendar opens the end screen once, and its exit leaves the
// game; so does a lost game.
TEST_F(MainGuiTest, TheEndScreenAndAGameOverLeaveForANewGame) {
    ASSERT_TRUE(start("6 clickon Exit Button\n"));
    go(GameState::MenuState::instance());
    for (bool lost : {false, true}) {
        SCOPED_TRACE(lost ? "game over" : "end screen");
        MainGui* hud = newGame(2);
        if (lost) {
            InfoManager::instance()->show("gameover", InfoManager::QUESTION, hgeVector(150, 70));
            InfoManager::instance()->setAnswer(InfoManager::CONFIRMED);
        } else {
            DateManager* clock = DateManager::instance();
            clock->setEndDate(1, 1);
            hud->setBudgetDone(true);
            hud->play();
            clock->update(clock->getStepTime() * 2);
            ASSERT_TRUE(clock->isEnded());
            game->frames(2);
            EndGui* end = hud->getEndGui();
            EXPECT_NE(end, nullptr);
            game->frames(2);
            EXPECT_EQ(hud->getEndGui(), end);
        }
        game->frames(4);
        EXPECT_EQ(StateMachine::instance()->current(), GameState::NewGameState::instance());
        EXPECT_FALSE(MainGui::exists());
        EXPECT_EQ(InfoManager::instance()->getAnswer(), InfoManager::NO_ANSWER);
    }
}

TEST_F(MainGuiTest, WithoutItsRecordTheHudLogsAndStillPlays) {
    test::Installation install;
    statetest::installShipped(install, "gui.xml");
    install.addFixture("xml", "gui.xml", "states/gui_no_town.xml");
    install.mount();
    ASSERT_TRUE(start());
    MainGui* hud = newGame(2);
    EXPECT_TRUE(
        log.has(test::logLine("EE", "MainGui::MainGui", "gui.xml is missing mainGui node")));
    EXPECT_EQ(hud->getWindow(), nullptr);
    hud->setBudgetDone(true);
    hud->play();
    EXPECT_TRUE(hud->isMonthStarted());
    EXPECT_TRUE(game->frames(5));
    go(GameState::TownState::instance());
    EXPECT_TRUE(game->frames(2));
}

// After the hardest level the end screen leads to the closing screen; the
// money it shows and stores is what the player has in every form.
TEST_F(MainGuiTest, TheEndScreenSumsTheMoneyAndLeavesTheHardestLevelForTheClosingScreen) {
    ASSERT_TRUE(start("6 clickon Exit Button\n"));
    go(GameState::MenuState::instance());
    MainGui* hud = newGame(3);
    Portfolio::instance()->setCash(1234);
    InvestmentCalculator::instance()->deposit(500.75f);
    Room::instance()->addFurniture(11);
    const int furniture = Room::instance()->getFurnitureValue();
    DateManager* clock = DateManager::instance();
    clock->setEndDate(1, 1);
    hud->setBudgetDone(true);
    hud->play();
    clock->update(clock->getStepTime() * 2);
    game->frames(2);
    ASSERT_NE(hud->getEndGui(), nullptr);

    Statistics* stats = Statistics::instance();
    EXPECT_EQ(stats->get(StatisticType::FUNDS_CASH), 1234);
    // Plus one month's interest, at most a quarter of a per cent.
    EXPECT_GE(stats->get(StatisticType::FUNDS_ACCOUNT), 500.75);
    EXPECT_LE(stats->get(StatisticType::FUNDS_ACCOUNT), 500.75 * 1.0025 + 0.01);
    EXPECT_EQ(stats->get(StatisticType::FURNITURE_VALUE), furniture);
    auto* box = dynamic_cast<GuiTextBox*>(hud->getEndGui()->getWindow()->findChild("Stats"));
    ASSERT_NE(box, nullptr);
    std::string texts;
    for (const auto& text : box->getAddedTexts()) {
        texts += text.text + "|";
    }
    const int savings = static_cast<int>(stats->get(StatisticType::FUNDS_ACCOUNT));
    EXPECT_NE(texts.find(money::kr(1234 + savings + furniture) + "|"), std::string::npos) << texts;

    game->frames(4);
    EXPECT_EQ(StateMachine::instance()->current(), GameState::EndState::instance());
    EXPECT_FALSE(MainGui::exists());
}
