#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <tuple>

#include "TestSupport.h"
#include "resource/Randomizer.h"

TEST(Randomizer, ValuesFillTheHalfOpenRangeAndReversedBoundsLogAndGiveZero) {
    test::LogCapture log;
    std::srand(12345);
    for (const auto& [low, high, all] : {std::tuple<int, int, std::set<int>>{3, 8, {3, 4, 5, 6, 7}},
                                         {-3, 2, {-3, -2, -1, 0, 1}},
                                         {0, 1, {0}},
                                         {7, 7, {7}},
                                         {-2, -2, {-2}},
                                         {5, 3, {0}}}) {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            seen.insert(Randomizer::getInt(low, high));
        }
        EXPECT_EQ(seen, all) << low << ".." << high;
    }
    // Only the reversed bounds were logged.
    EXPECT_EQ(log.count(test::logLine("EE", "Randomizer::getInt",
                                      "highbound is lower than lowbound, returning 0")),
              2000);
    EXPECT_EQ(log.lines().size(), 2000u);
    // The widest span does not overflow.
    for (int i = 0; i < 100; ++i) {
        ASSERT_LT(Randomizer::getInt(INT_MIN, INT_MAX), INT_MAX);
    }
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
