// A first month of an easy game, played through the real program: the
// flat's tutorials, the budget with food bought, Play and its tutorial, the
// month running to its end, and the next Play asking for the next budget.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "game/GameRunSupport.h"

using gametest::Outcome;
using test::Picture;

TEST(GameRun, AFirstMonthFromBudgetToTheNextBudget) {
    test::TempDir dir;
    const Outcome run = gametest::runGame(FISCORA_GAME_EXE, dir.path(),
                                          "5 clickon New Game\n"
                                          "10 clickon Start\n"
                                          // the flat's six tutorials, each
                                          // closable after two seconds
                                          "115 clickon confirmButton\n"
                                          "220 clickon confirmButton\n"
                                          "325 clickon confirmButton\n"
                                          "430 clickon confirmButton\n"
                                          "535 clickon confirmButton\n"
                                          "640 clickon confirmButton\n"
                                          "650 clickon Cash Button\n"
                                          "656 clickon exitButton\n"
                                          "660 clickon consumption tab\n"
                                          // the food slider's handle (where
                                          // the budget's page puts it) to
                                          // the end of its track
                                          "665 move 402 222\n"
                                          "666 press left\n"
                                          "670 move 700 222\n"
                                          "674 release left\n"
                                          "680 clickon BuyButton\n"
                                          "686 clickon confirmButton\n"
                                          "692 clickon ok\n"
                                          "698 clickon exitButton\n"
                                          "704 clickon Play Button\n"
                                          // the events tutorial of the first
                                          // month, while the month runs
                                          "809 clickon confirmButton\n"
                                          "820 shot midmonth\n"
                                          "1130 clickon Play Button\n"
                                          "1136 shot nextplay\n"
                                          "1140 key escape down\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.find("[EE] "), -1);
    int at = 0;
    for (const char* line : {"budget consumption", "[MainGui::update]\t\tbudget done",
                             "month Januari of year 1 started", "play refused: play_budget"}) {
        const int found = run.find(line, at);
        ASSERT_GE(found, 0) << "missing or out of order: " << line;
        at = found + 1;
    }
    EXPECT_EQ(run.find("play refused", run.find("month Januari")), at - 1)
        << "nothing refused the first Play";

    // Every change of the cash starts where the one before ended.
    const std::string marker = "[Portfolio::changeCash]\t\tcash ";
    long last = 0;
    int changes = 0;
    for (const std::string& line : run.log) {
        const std::size_t from = line.find(marker);
        if (from == std::string::npos) {
            continue;
        }
        char* rest = nullptr;
        const long before = std::strtol(line.c_str() + from + marker.size(), &rest, 10);
        EXPECT_EQ(before, last) << line;
        last = std::strtol(rest + 4, nullptr, 10);  // past " -> "
        ++changes;
    }
    EXPECT_GE(changes, 2);
    EXPECT_LT(last, 4000) << "the food was paid";

    // Mid-month the indicator's panel covers the middle of the flat.
    Picture middle(run.shot("midmonth"));
    ASSERT_TRUE(middle.ok());
    EXPECT_EQ(middle.at(240, 190), 0xFF2F4F63u);
    EXPECT_TRUE(run.hasShot("nextplay"));
}
