// Class scenarios through the real program: the player bot plays the first
// months of a level-3 game under a scenario.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "game/GameRunSupport.h"

namespace {

// What chance decided in a run and what came of it: the months' drawn events,
// the events and bills as they came, the bot's answers and every cash change.
std::vector<std::string> play(const std::string& folder, const char* style, const char* scenario,
                              const char* seed, const char* months) {
    const std::string executable = gametest::installGame(folder);
    const std::string date = folder + "/data/xml/date.xml";
    std::string calendar = test::readFile(date);
    const std::size_t step = calendar.find("<steptime sec=\"0.2\"/>");
    test::writeFile(date,
                    step == std::string::npos ? calendar : calendar.replace(step + 15, 3, "0.02"));
    const gametest::Outcome run = gametest::runGame(executable, folder, "",
                                                    {{"FISCORA_AUTOPLAY", style},
                                                     {"FISCORA_AUTOPLAY_LEVEL", "3"},
                                                     {"FISCORA_AUTOPLAY_MONTHS", months},
                                                     {"FISCORA_SEED", seed},
                                                     {"FISCORA_SHOTS", nullptr}},
                                                    180, {"-window", "-scenario", scenario});
    EXPECT_EQ(run.status, 0) << run.engineLog;
    EXPECT_NE(run.find("[II] [Scenario::readArguments]\t\tscenario " + std::string(scenario)), -1);
    std::vector<std::string> seen;
    for (const std::string& line : run.log) {
        for (const char* kind :
             {"[RandomEventManager::", "[Portfolio::changeCash]", "[Autoplay]"}) {
            // The bot's first line names the seed.
            if (line.find(kind) != std::string::npos &&
                line.find(" plays level ") == std::string::npos) {
                seen.push_back(line);
            }
        }
    }
    return seen;
}

std::vector<std::string> draws(const std::vector<std::string>& lines) {
    std::vector<std::string> drawn;
    for (const std::string& line : lines) {
        if (line.find("[RandomEventManager::addRandomEventToQueue]") != std::string::npos) {
            drawn.push_back(line);
        }
    }
    return drawn;
}

}  // namespace

TEST(ScenarioGame, TheSameScenarioPlaysTheSameMonthsWhateverTheSeedOrThePlayer) {
    test::TempDir dir;
    const std::vector<std::string> first = play(dir.path() + "/first", "careful", "5", "1", "4");
    const std::vector<std::string> drawn = draws(first);
    ASSERT_EQ(drawn.size(), 4u);
    // Down to the last cash change, what the months came to.
    EXPECT_EQ(play(dir.path() + "/again", "careful", "5", "2", "4"), first);
    EXPECT_NE(draws(play(dir.path() + "/other", "careful", "6", "1", "4")), drawn);
    EXPECT_EQ(draws(play(dir.path() + "/spender", "spender", "5", "1", "2")),
              std::vector<std::string>(drawn.begin(), drawn.begin() + 2));
}
