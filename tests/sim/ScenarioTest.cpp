// Class scenarios: the command line, the draws that depend only on the
// scenario, the month and the kind of draw, the market that holdings cannot
// shift, and the line on the new-game screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
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

const char* const READ = "Scenario::readArguments";

// Ten draws of every stream, in the order given, keys 0 and 7.
std::vector<int32_t> draws(const std::vector<RandomStream::_enum>& order) {
    std::vector<int32_t> drawn;
    for (RandomStream::_enum stream : order) {
        for (uint32_t key : {0u, 7u}) {
            for (int i = 0; i < 10; ++i) {
                drawn.push_back(Randomizer::getInt(stream, -1000000, 1000000, key));
            }
        }
    }
    return drawn;
}

std::vector<RandomStream::_enum> allStreams() {
    std::vector<RandomStream::_enum> streams;
    for (int s = RandomStream::UNDEFINED + 1; s < RandomStream::END; ++s) {
        streams.push_back(static_cast<RandomStream::_enum>(s));
    }
    return streams;
}

std::vector<int32_t> month(int scenario, int number) {
    Scenario::set(scenario);
    Scenario::startMonth(number);
    return draws(allStreams());
}

class ScenarioTest : public ::testing::Test {
protected:
    void TearDown() override { Scenario::set(0); }
    test::LogCapture log;
};

}  // namespace

TEST_F(ScenarioTest, ReadsANumberFromOneToNineHundredNinetyNineThousandAfterItsFlag) {
    struct Case {
        std::vector<std::string> arguments;
        int number;  // 0: none
        bool warned;
    };
    const Case cases[] = {
        {{}, 0, false},
        {{"-window"}, 0, false},
        {{"-window", "-scenario", "7"}, 7, false},
        {{"-scenario", "999999", "-window"}, 999999, false},
        {{"-scenario", "1"}, 1, false},
        {{"-scenario", "1000000"}, 0, true},
        {{"-scenario", "0"}, 0, true},
        {{"-scenario", "-3"}, 0, true},
        {{"-scenario", "7x"}, 0, true},
        {{"-scenario", ""}, 0, true},
        {{"-window", "-scenario"}, 0, true},
    };
    for (const Case& one : cases) {
        std::string shown;
        for (const std::string& argument : one.arguments) {
            shown += "[" + argument + "]";
        }
        SCOPED_TRACE(shown);
        Scenario::set(0);
        log.take();
        Scenario::readArguments(one.arguments);
        EXPECT_EQ(Scenario::number(), one.number);
        EXPECT_EQ(Scenario::isSet(), one.number != 0);
        EXPECT_EQ(Scenario::label(), one.number ? "Scenario " + std::to_string(one.number) : "");
        const std::vector<std::string> lines = log.from(READ);
        ASSERT_EQ(lines.size(), one.warned || one.number ? 1u : 0u);
        if (one.number) {
            EXPECT_EQ(lines[0],
                      test::logLine("II", READ, "scenario " + std::to_string(one.number)));
        } else if (one.warned) {
            EXPECT_EQ(lines[0].substr(1, 2), "WW") << lines[0];
        }
    }
}

TEST_F(ScenarioTest, TheEnvironmentServesWhenTheCommandLineNamesNone) {
    setenv("FISCORA_SCENARIO", "12", 1);
    Scenario::readArguments({"-window"});
    EXPECT_EQ(Scenario::number(), 12);
    Scenario::readArguments({"-scenario", "3"});
    EXPECT_EQ(Scenario::number(), 3) << "the command line wins";
    setenv("FISCORA_SCENARIO", "twelve", 1);
    Scenario::readArguments({});
    EXPECT_EQ(Scenario::number(), 0);
    unsetenv("FISCORA_SCENARIO");
}

TEST_F(ScenarioTest, StreamNamesGoBothWays) {
    for (RandomStream::_enum stream : allStreams()) {
        EXPECT_EQ(RandomStream::fromString(RandomStream::toString(stream)), stream);
    }
    EXPECT_EQ(RandomStream::toString(RandomStream::END), "UNDEFINED");
    EXPECT_EQ(RandomStream::fromString("events"), RandomStream::UNDEFINED);
}

TEST_F(ScenarioTest, AMonthsDrawsDependOnlyOnTheScenarioTheMonthAndTheStream) {
    const std::vector<int32_t> first = month(5, 3);
    EXPECT_EQ(month(5, 3), first) << "the same again";
    EXPECT_NE(month(6, 3), first) << "another scenario";
    EXPECT_NE(month(5, 4), first) << "another month";
    EXPECT_NE(month(5, 0), first) << "the new game's set-up";

    // Earlier months, their draws and other streams' draws shift nothing.
    Scenario::set(5);
    for (int earlier = 0; earlier < 3; ++earlier) {
        Scenario::startMonth(earlier);
        draws({RandomStream::EVENTS, RandomStream::STOCKS});
    }
    Scenario::startMonth(3);
    std::vector<RandomStream::_enum> reversed = allStreams();
    std::reverse(reversed.begin(), reversed.end());
    const std::vector<int32_t> backwards = draws(reversed);
    for (std::size_t s = 0; s < reversed.size(); ++s) {
        SCOPED_TRACE(RandomStream::toString(reversed[s]));
        const std::size_t forwards = reversed.size() - 1 - s;
        EXPECT_TRUE(std::equal(backwards.begin() + s * 20, backwards.begin() + s * 20 + 20,
                               first.begin() + forwards * 20));
        // Keys and streams do not repeat one another.
        const auto own = first.begin() + forwards * 20;
        EXPECT_FALSE(std::equal(own, own + 10, own + 10));
        EXPECT_FALSE(forwards > 0 && std::equal(own, own + 20, own - 20));
    }
}

TEST_F(ScenarioTest, DrawsStayWithinTheirBoundsAndCoverThem) {
    Scenario::set(9);
    Scenario::startMonth(1);
    struct Bounds {
        int32_t low;
        int32_t high;
        std::size_t values;  // how many different ones 500 draws meet; 0: not counted
    };
    for (const Bounds bounds :
         {Bounds{0, 3, 3}, Bounds{-5, 5, 10}, Bounds{4, 4, 1}, Bounds{INT32_MIN, INT32_MAX, 0}}) {
        SCOPED_TRACE(std::to_string(bounds.low) + " " + std::to_string(bounds.high));
        std::set<int32_t> seen;
        for (int i = 0; i < 500; ++i) {
            const int32_t value = Randomizer::getInt(RandomStream::DAYS, bounds.low, bounds.high);
            ASSERT_TRUE(value >= bounds.low && (value < bounds.high || bounds.low == bounds.high))
                << value;
            const float drawn = Randomizer::getFloat(RandomStream::INTEREST, 4.0f, -2.5f);
            ASSERT_TRUE(drawn >= -2.5f && drawn <= 4.0f) << drawn;
            if (bounds.values) {
                seen.insert(value);
            }
        }
        EXPECT_EQ(seen.size(), bounds.values);
    }
    EXPECT_EQ(Randomizer::getInt(RandomStream::DAYS, 3, 1), 0);
    EXPECT_TRUE(log.has(test::logLine("EE", "Randomizer::getInt",
                                      "highbound is lower than lowbound, returning 0")));
}

TEST_F(ScenarioTest, WithoutAScenarioTheGameDrawsFromRandAsBefore) {
    Scenario::set(4);
    Scenario::startMonth(1);
    Scenario::set(0);
    Scenario::startMonth(2);
    ASSERT_FALSE(Randomizer::hasStreams());
    std::srand(77);
    std::vector<int32_t> plain;
    for (int i = 0; i < 20; ++i) {
        plain.push_back(Randomizer::getInt(-1000000, 1000000));
    }
    std::srand(77);
    EXPECT_EQ(draws({RandomStream::EVENTS}), plain);
}

TEST_F(ScenarioTest, WhatThePlayerOwnsCannotShiftTheMarketOrTheInterest) {
    InvestmentCalculator* model = InvestmentCalculator::instance();
    Portfolio* portfolio = Portfolio::instance();
    // The market's and the savings account's draws of month 3.
    auto marketOfMonth = [&](bool owning) {
        Scenario::set(5);
        Scenario::startGame();
        model->reload("investment.xml");
        model->deposit(5000.0f);
        if (owning) {
            portfolio->addOwnedStock(0, 10);
            portfolio->addOwnedFund(1, 4);
            portfolio->addOwnedStock(2, 1);
        }
        Scenario::startMonth(3);
        portfolio->monthlyUpdate();
        std::vector<float> seen;
        for (const auto& stock : portfolio->getMarketStocks()) {
            seen.push_back(stock->getPrice());
        }
        for (const auto& fund : portfolio->getMarketFunds()) {
            seen.push_back(fund->getPrice());
        }
        seen.push_back(model->getBalance());
        return seen;
    };
    const std::vector<float> alone = marketOfMonth(false);
    ASSERT_EQ(alone.size(), 7u);
    EXPECT_EQ(marketOfMonth(true), alone);
    EXPECT_EQ(marketOfMonth(false), alone);
}

TEST_F(ScenarioTest, TheNewGameScreenNamesTheScenarioOnlyWhenThereIsOne) {
    statetest::Game game("2 clickon New Game\n6 clickon Back Button\n10 clickon New Game\n");
    ASSERT_TRUE(game.ok());
    Scenario::set(7);
    StateMachine::instance()->changeState(GameState::MenuState::instance());
    game.frames(4);
    GameState::NewGameState* screen = GameState::NewGameState::instance();
    ASSERT_EQ(StateMachine::instance()->current(), screen);
    ASSERT_NE(screen->getScenarioLine(), nullptr);
    const auto& paragraphs = screen->getScenarioLine()->getParagraphs();
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_EQ(paragraphs[0].text.rfind("Scenario 7: ", 0), 0u) << paragraphs[0].text;
    EXPECT_TRUE(screen->getScenarioLine()->isVisible());

    Scenario::set(0);
    game.frames(8);
    ASSERT_EQ(StateMachine::instance()->current(), screen);
    EXPECT_EQ(screen->getScenarioLine(), nullptr);
}
