#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>

#include "TestSupport.h"
#include "resource/Randomizer.h"

TEST(Randomizer, ValuesFillTheHalfOpenRangeAndNothingElse) {
    const struct {
        int low, high;
        std::set<int> all;
    } cases[] = {{3, 8, {3, 4, 5, 6, 7}}, {-3, 2, {-3, -2, -1, 0, 1}}, {0, 1, {0}}};
    std::srand(12345);
    for (const auto& c : cases) {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            seen.insert(Randomizer::getInt(c.low, c.high));
        }
        EXPECT_EQ(seen, c.all) << c.low << ".." << c.high;
    }
    // The widest span does not overflow.
    for (int i = 0; i < 100; ++i) {
        ASSERT_LT(Randomizer::getInt(INT_MIN, INT_MAX), INT_MAX);
    }
}

TEST(Randomizer, EqualBoundsGiveTheBoundAndReversedOnesLogAndGiveZero) {
    test::LogCapture log;
    EXPECT_EQ(Randomizer::getInt(7, 7), 7);
    EXPECT_EQ(Randomizer::getInt(-2, -2), -2);
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(Randomizer::getInt(5, 3), 0);
    EXPECT_EQ(log.take(),
              std::vector<std::string>{test::logLine(
                  "EE", "Randomizer::getInt", "highbound is lower than lowbound, returning 0")});
}

TEST(Randomizer, AFixedSeedSeedsOnceSoTheSequenceGoesOn) {
    setenv("FISCORA_SEED", "42", 1);
    Randomizer::seed();
    const int first = std::rand();
    Randomizer::seed();
    const int second = std::rand();
    std::srand(42);
    EXPECT_EQ(first, std::rand());
    EXPECT_EQ(second, std::rand());
    unsetenv("FISCORA_SEED");
}
