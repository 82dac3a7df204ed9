// Class scenarios: the command line, draws that depend only on the scenario,
// the month and the kind of draw, a market that holdings cannot shift, and
// the line on the new-game screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/states/MenuState.h"
#include "core/states/NewGameState.h"
#include "core/states/StateTestSupport.h"
#include "gui/GuiTextBox.h"
#include "home/Investment.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "resource/Randomizer.h"
#include "sim/Scenario.h"

namespace {

// Five draws of each stream in turn, each checked against its bounds.
std::vector<int32_t> draws(int scenario, int month, bool backwards = false) {
    Scenario::set(scenario);
    Scenario::startMonth(month);
    std::vector<int32_t> drawn(5 * RandomStream::END);
    for (int n = 1; n < RandomStream::END; ++n) {
        const int s = backwards ? RandomStream::END - n : n;
        for (int i = 0; i < 5; ++i) {
            drawn[5 * s + i] = Randomizer::getInt(static_cast<RandomStream::_enum>(s), -9, 9);
            EXPECT_TRUE(drawn[5 * s + i] >= -9 && drawn[5 * s + i] < 9) << drawn[5 * s + i];
        }
    }
    return drawn;
}

class ScenarioTest : public ::testing::Test {
protected:
    void TearDown() override { Scenario::set(0); }
    test::LogCapture log;
};

}  // namespace

TEST_F(ScenarioTest, ReadsANumberFromOneTo999999AfterItsFlagOrFromTheEnvironment) {
    struct Case {
        std::vector<std::string> arguments;
        const char* environment;
        int number;  // 0: none
        const char* tag;
    };
    const Case cases[] = {
        {{"-window"}, nullptr, 0, nullptr},
        {{"-window", "-scenario", "7"}, nullptr, 7, "II"},
        {{"-scenario", "999999"}, "3", 999999, "II"},
        {{}, "12", 12, "II"},
        {{"-scenario", "1000000"}, nullptr, 0, "WW"},
        {{"-scenario", "0"}, "12", 0, "WW"},
        {{"-scenario", "-3"}, nullptr, 0, "WW"},
        {{"-scenario", "7x"}, nullptr, 0, "WW"},
        {{"-window", "-scenario"}, nullptr, 0, "WW"},
        {{}, "twelve", 0, "WW"},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(testing::PrintToString(one.arguments) +
                     (one.environment ? one.environment : ""));
        one.environment ? setenv("FISCORA_SCENARIO", one.environment, 1)
                        : unsetenv("FISCORA_SCENARIO");
        Scenario::set(0);
        log.take();
        Scenario::readArguments(one.arguments);
        EXPECT_EQ(Scenario::label(), one.number ? "Scenario " + std::to_string(one.number) : "");
        const std::vector<std::string> lines = log.from("Scenario::readArguments");
        ASSERT_EQ(lines.size(), one.tag ? 1u : 0u);
        if (one.number) {
            EXPECT_EQ(lines[0], test::logLine("II", "Scenario::readArguments",
                                              "scenario " + std::to_string(one.number)));
        } else if (one.tag) {
            EXPECT_EQ(lines[0].substr(1, 2), one.tag) << lines[0];
        }
    }
    unsetenv("FISCORA_SCENARIO");
}

TEST_F(ScenarioTest, AMonthsDrawsDependOnlyOnTheScenarioTheMonthAndTheStream) {
    const std::vector<int32_t> first = draws(5, 3);
    EXPECT_NE(draws(6, 3), first);
    EXPECT_NE(draws(5, 4), first);
    // Earlier months' draws and the order of the streams shift nothing.
    EXPECT_EQ(draws(5, 3, true), first);
    // Streams do not repeat one another.
    EXPECT_FALSE(std::equal(first.begin() + 5, first.begin() + 10, first.begin() + 10));

    // Without a scenario the game draws from rand as it always did.
    Scenario::set(0);
    Scenario::startMonth(2);
    std::srand(77);
    const int32_t plain = Randomizer::getInt(0, 1000);
    std::srand(77);
    EXPECT_EQ(Randomizer::getInt(RandomStream::EVENTS, 0, 1000), plain);
}

TEST_F(ScenarioTest, WhatThePlayerOwnsCannotShiftTheMarketOrTheInterest) {
    InvestmentCalculator* model = InvestmentCalculator::instance();
    Portfolio* portfolio = Portfolio::instance();
    // The prices and the savings after month 3's draws.
    auto month = [&](bool owning) {
        Scenario::set(5);
        Scenario::startGame();
        model->reload("investment.xml");
        model->deposit(5000.0f);
        if (owning) {
            portfolio->addOwnedFund(1, 4);
            portfolio->addOwnedStock(0, 10);
        }
        Scenario::startMonth(3);
        portfolio->monthlyUpdate();
        std::vector<float> seen{model->getBalance()};
        for (const auto& stock : portfolio->getMarketStocks()) {
            seen.push_back(stock->getPrice());
        }
        for (const auto& fund : portfolio->getMarketFunds()) {
            seen.push_back(fund->getPrice());
        }
        return seen;
    };
    const std::vector<float> alone = month(false);
    ASSERT_EQ(alone.size(), 7u);
    EXPECT_EQ(month(true), alone);
}

TEST_F(ScenarioTest, TheNewGameScreenNamesTheScenarioOnlyWhenThereIsOne) {
    statetest::Game game("2 clickon New Game\n6 clickon Back Button\n10 clickon New Game\n");
    ASSERT_TRUE(game.ok());
    Scenario::set(7);
    StateMachine::instance()->changeState(GameState::MenuState::instance());
    game.frames(4);
    const GuiTextBox* line = GameState::NewGameState::instance()->getScenarioLine();
    ASSERT_TRUE(line && line->isVisible() && line->getParagraphs().size() == 1u);
    EXPECT_EQ(line->getParagraphs()[0].text.rfind("Scenario 7: ", 0), 0u);
    Scenario::set(0);
    game.frames(8);
    EXPECT_EQ(StateMachine::instance()->current(), GameState::NewGameState::instance());
    EXPECT_EQ(GameState::NewGameState::instance()->getScenarioLine(), nullptr);
}
