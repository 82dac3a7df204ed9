#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>

#include "TestSupport.h"
#include "resource/Randomizer.h"

TEST(Randomizer, ValuesStayInTheHalfOpenRangeAndReachBothEnds) {
    std::srand(12345);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = Randomizer::getInt(3, 8);
        ASSERT_GE(value, 3);
        ASSERT_LT(value, 8);
        seen.insert(value);
        ASSERT_EQ(Randomizer::getInt(0, 1), 0);
    }
    EXPECT_EQ(seen, (std::set<int>{3, 4, 5, 6, 7}));
}

TEST(Randomizer, ANegativeLowerBoundGivesTheSameHalfOpenRange) {
    std::srand(777);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = Randomizer::getInt(-3, 2);
        ASSERT_GE(value, -3);
        ASSERT_LT(value, 2);
        seen.insert(value);
    }
    EXPECT_EQ(seen, (std::set<int>{-3, -2, -1, 0, 1}));
    // The widest span does not overflow.
    for (int i = 0; i < 100; ++i) {
        const int value = Randomizer::getInt(INT_MIN, INT_MAX);
        ASSERT_LT(value, INT_MAX);
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
