// Whole games played by the player bot through the real program, each in a
// copy of the game whose calendar runs a day a frame. Every game keeps its
// money lines in one unbroken chain and logs no fault of the shipped content;
// the careful and spending players reach the end screen and send the
// statistics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>

#include "TestSupport.h"
#include "game/GameRunSupport.h"

namespace {

struct Game {
    const char* name;
    const char* style;
    const char* level;
    const char* seed;
    const char* frames;  // null: until the end screen
};

// Seeds that play through: with them the bot's purchases and the events it
// meets are known to end in the end screen.
const Game GAMES[] = {
    {"CarefulLevel1", "careful", "1", "1", nullptr},
    {"CarefulLevel2", "careful", "2", "2", nullptr},
    {"CarefulLevel3", "careful", "3", "1", nullptr},
    {"SpenderLevel3", "spender", "3", "1", nullptr},
    {"Random", "random", "1", "3", "2500"},
};

// A whole game takes about half a minute alone; on a busy machine far more.
const unsigned int PATIENCE = 300;

// Lines that the shipped content must never cause.
const char* const FAULTS[] = {"[EE] ", "unable to load texture", "cant find sprite for character"};

gametest::Outcome play(const Game& game, const std::string& folder) {
    const std::string executable = gametest::installGame(folder);
    const std::string date = folder + "/data/xml/date.xml";
    std::string calendar = test::readFile(date);
    const std::string step = "<steptime sec=\"0.2\"/>";
    const std::size_t at = calendar.find(step);
    if (at != std::string::npos) {
        calendar.replace(at, step.size(), "<steptime sec=\"0.02\"/>");
    }
    test::writeFile(date, calendar);
    return gametest::runGame(executable, folder, "",
                             {{"FISCORA_AUTOPLAY", game.style},
                              {"FISCORA_AUTOPLAY_LEVEL", game.level},
                              {"FISCORA_AUTOPLAY_FRAMES", game.frames},
                              {"FISCORA_SEED", game.seed},
                              {"FISCORA_SHOTS", nullptr}},
                             PATIENCE);
}

// The game's name in test messages.
void PrintTo(const Game& game, std::ostream* out) {
    *out << game.name;
}

class WholeGame : public testing::TestWithParam<Game> {};

}  // namespace

TEST_P(WholeGame, KeepsItsMoneyAndEndsCleanly) {
    const Game& game = GetParam();
    test::TempDir dir;
    const gametest::Outcome run = play(game, dir.path());
    ASSERT_EQ(run.status, 0) << run.engineLog;
    EXPECT_NE(run.find("[Autoplay]\t\tthe " + std::string(game.style) + " bot plays"), -1);
    for (const char* fault : FAULTS) {
        const int line = run.find(fault);
        EXPECT_EQ(line, -1) << run.log[static_cast<std::size_t>(std::max(line, 0))];
    }
    EXPECT_EQ(run.engineLog.find("Texture_Load"), std::string::npos);

    // Every change of the cash starts where the one before ended.
    const std::string marker = "[Portfolio::changeCash]\t\tcash ";
    long cash = 0;
    for (const std::string& line : run.log) {
        const std::size_t from = line.find(marker);
        if (from != std::string::npos) {
            char* rest = nullptr;
            EXPECT_EQ(std::strtol(line.c_str() + from + marker.size(), &rest, 10), cash) << line;
            cash = std::strtol(rest + 4, nullptr, 10);  // past " -> "
        }
    }
    if (game.frames) {
        EXPECT_NE(run.find("[Autoplay]\t\tstops: "), -1);
        return;
    }
    // The end screen shows the cash the chain ends at, and its exit sends
    // the statistics before the bot quits.
    const int end = run.find("[EndGui::EndGui]\t\tend sums: cash ");
    ASSERT_NE(end, -1) << "no end screen";
    const std::string& sums = run.log[static_cast<std::size_t>(end)];
    EXPECT_EQ(std::strtol(sums.c_str() + sums.find("cash ") + 5, nullptr, 10), cash) << sums;
    // The balance the content is tuned for: care pays, and spending
    // everything at the start of the month leaves bills unpaid.
    if (std::string(game.style) == "careful") {
        EXPECT_GT(std::strtol(sums.c_str() + sums.find("total ") + 6, nullptr, 10), 4000) << sums;
    } else {
        EXPECT_NE(run.find("refused, reminder"), -1);
    }
    const int sent = run.find("/brumsala/spel/kvistara/statistik/?", end);
    EXPECT_NE(sent, -1) << "no statistics address";
    EXPECT_GT(run.find("[Autoplay]\t\tquits", sent), sent);
}

INSTANTIATE_TEST_SUITE_P(Bot, WholeGame, testing::ValuesIn(GAMES),
                         [](const testing::TestParamInfo<Game>& info) {
                             return std::string(info.param.name);
                         });
