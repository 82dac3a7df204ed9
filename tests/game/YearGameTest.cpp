// The year's record in a whole game played by the careful bot at the easiest
// level: one record for every month the bot saw end, in order, none for the
// end month, and the end screen's chart drawn beside the sums, ending at
// about the total they show.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "game/GameRunSupport.h"

namespace {

const char* const RECORDED = "[YearRecord::closeMonth]\t\tmonth recorded ";
const char* const OVER = "[Autoplay]\t\tmonth ";

// The number after `marker` in `line`.
long numberAfter(const std::string& line, const std::string& marker) {
    return std::strtol(line.c_str() + line.find(marker) + marker.size(), nullptr, 10);
}

}  // namespace

TEST(YearGame, EveryPlayedMonthIsRecordedOnceAndChartedAtTheEnd) {
    test::TempDir dir;
    const std::string executable = gametest::installGame(dir.path());
    // A day a frame, as the whole games run.
    const std::string date = dir.path() + "/data/xml/date.xml";
    std::string calendar = test::readFile(date);
    calendar.replace(calendar.find("\"0.2\""), 5, "\"0.02\"");
    test::writeFile(date, calendar);
    const gametest::Outcome run = gametest::runGame(
        executable, dir.path(), "",
        {{"FISCORA_AUTOPLAY", "careful"}, {"FISCORA_AUTOPLAY_LEVEL", "1"}, {"FISCORA_SEED", "1"}},
        300);
    ASSERT_EQ(run.status, 0) << run.engineLog;
    const int end = run.find("[EndGui::EndGui]\t\tend sums: ");
    ASSERT_NE(end, -1) << "no end screen";

    // Each month is recorded once, in order, when the next one starts: after
    // the bot saw it end and before it sees the next end.
    long played = 0, recorded = 0, worth = 0;
    for (int i = 0; i < end; ++i) {
        const std::string& line = run.log[static_cast<std::size_t>(i)];
        if (line.find(RECORDED) != std::string::npos) {
            EXPECT_EQ(numberAfter(line, RECORDED), ++recorded) << line;
            EXPECT_EQ(recorded, played) << line;
            worth = numberAfter(line, "net worth ");
        } else if (line.find(OVER) != std::string::npos &&
                   line.find(" over at") != std::string::npos) {
            EXPECT_EQ(numberAfter(line, OVER), ++played) << line;
            EXPECT_EQ(recorded, played - 1) << line;
        }
    }
    EXPECT_GE(played, 6);
    EXPECT_EQ(recorded, played);
    EXPECT_EQ(run.find(RECORDED, end), -1);
    EXPECT_NE(run.find("the year in a chart: " + std::to_string(played) + " months", end), -1);
    // The chart ends where the sums beside it stand, but for what the end
    // month's first day changed: interest and prices.
    const long total = numberAfter(run.log[static_cast<std::size_t>(end)], "total ");
    EXPECT_LE(std::labs(total - worth), total / 50 + 100) << worth << " against " << total;

    // The chart's line, in the accent colour, right of the sums.
    ASSERT_TRUE(run.hasShot("autoplay_end"));
    const test::Picture shot(run.shot("autoplay_end"));
    ASSERT_TRUE(shot.ok());
    const int accent = shot.count(430, 80, 780, 540, [&](int x, int y) {
        const uint32_t c = shot.at(x, y);
        return std::abs(static_cast<int>((c >> 16) & 0xFF) - 0xF2) < 24 &&
               std::abs(static_cast<int>((c >> 8) & 0xFF) - 0xA5) < 24 &&
               std::abs(static_cast<int>(c & 0xFF) - 0x41) < 24;
    });
    EXPECT_GT(accent, 200);
}
