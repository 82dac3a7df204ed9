// Class scenarios through the real program: the careful bot plays the first
// months of a level-3 game under a scenario. The same scenario gives the same
// months whatever the seed, another scenario other months, and a player who
// spends everything meets the careful one's draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "game/GameRunSupport.h"

namespace {

const unsigned int PATIENCE = 180;

// What chance decided in a run and what came of it.
struct Months {
    std::vector<std::string> draws;   // the month's random event and its day
    std::vector<std::string> played;  // events, bills, the bot's answers and every cash change
};

Months play(const std::string& folder, const char* style, const char* scenario, const char* seed,
            const char* months) {
    const std::string executable = gametest::installGame(folder);
    const std::string date = folder + "/data/xml/date.xml";
    std::string calendar = test::readFile(date);
    const std::string step = "<steptime sec=\"0.2\"/>";
    const std::size_t at = calendar.find(step);
    if (at != std::string::npos) {
        calendar.replace(at, step.size(), "<steptime sec=\"0.02\"/>");
    }
    test::writeFile(date, calendar);
    const gametest::Outcome run = gametest::runGame(executable, folder, "",
                                                    {{"FISCORA_AUTOPLAY", style},
                                                     {"FISCORA_AUTOPLAY_LEVEL", "3"},
                                                     {"FISCORA_AUTOPLAY_MONTHS", months},
                                                     {"FISCORA_SEED", seed},
                                                     {"FISCORA_SCENARIO", scenario},
                                                     {"FISCORA_SHOTS", nullptr}},
                                                    PATIENCE);
    EXPECT_EQ(run.status, 0) << run.engineLog;
    EXPECT_NE(run.find("[II] [Scenario::readArguments]\t\tscenario " + std::string(scenario)), -1);
    Months seen;
    for (const std::string& line : run.log) {
        if (line.find("[RandomEventManager::addRandomEventToQueue]") != std::string::npos) {
            seen.draws.push_back(line);
        }
        const bool event = line.find("[RandomEventManager::triggerEvent]") != std::string::npos;
        const bool cash = line.find("[Portfolio::changeCash]") != std::string::npos;
        // The bot's own lines, but the one naming its seed.
        const bool bot = line.find("[Autoplay]") != std::string::npos &&
                         line.find(" plays level ") == std::string::npos;
        if (event || cash || bot) {
            seen.played.push_back(line);
        }
    }
    EXPECT_EQ(seen.draws.size(), std::stoul(months));
    return seen;
}

}  // namespace

TEST(ScenarioGame, TheSameScenarioPlaysTheSameMonthsAndAnotherOthers) {
    test::TempDir dir;
    const Months first = play(dir.path() + "/first", "careful", "5", "1", "4");
    const Months again = play(dir.path() + "/again", "careful", "5", "2", "4");
    EXPECT_EQ(again.draws, first.draws);
    EXPECT_EQ(again.played, first.played);
    // The last cash line holds what the months came to.
    ASSERT_FALSE(first.played.empty());
    EXPECT_NE(first.played.back().find("[Autoplay]\t\tstops: "), std::string::npos)
        << first.played.back();

    const Months other = play(dir.path() + "/other", "careful", "6", "1", "4");
    EXPECT_NE(other.draws, first.draws);
    EXPECT_NE(other.played, first.played);

    // Whatever the player does, the first months' draws stay the scenario's.
    const Months spender = play(dir.path() + "/spender", "spender", "5", "1", "2");
    ASSERT_GE(first.draws.size(), 2u);
    EXPECT_EQ(spender.draws,
              std::vector<std::string>(first.draws.begin(), first.draws.begin() + 2));
}
