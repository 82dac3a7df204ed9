#include <gtest/gtest.h>

#include <cstdint>

#include "engine/RandomGenerator.h"

namespace {

// The recurrence written out on its own: seed' = seed * 214013 + 2531011 mod 2^32.
uint64_t nextSeed(uint64_t seed) {
    return (seed * 214013ull + 2531011ull) % 4294967296ull;
}

}  // namespace

TEST(RandomGenerator, FollowsTheRecurrenceExactly) {
    // Worked by hand: from seed 1, the first step is 214013 + 2531011.
    EXPECT_EQ(nextSeed(1), 2745024u);
    engine::RandomGenerator generator;
    generator.seed(1);
    generator.nextInt(0, 100);
    EXPECT_EQ(generator.state(), 2745024u);

    uint64_t seed = 4000000000u;
    generator.seed(4000000000u);
    for (int i = 0; i < 50; ++i) {
        seed = nextSeed(seed);
        generator.nextFloat(0, 1);
        ASSERT_EQ(generator.state(), seed) << "step " << i;
    }
}

TEST(RandomGenerator, IntAndFloatFromTheSeed) {
    engine::RandomGenerator generator;
    generator.seed(12345);
    uint64_t seed = 12345;

    // Seed 12345 -> 12345 * 214013 + 2531011 = 2644521496 (below 2^32).
    seed = nextSeed(seed);
    ASSERT_EQ(seed, 2644521496u);
    uint32_t mixed = static_cast<uint32_t>(seed ^ (seed >> 15));
    EXPECT_EQ(generator.nextInt(10, 19), 10 + static_cast<int>(mixed % 10));

    seed = nextSeed(seed);
    float expected = -2.0f + static_cast<float>(seed >> 16) * (1.0f / 65535.0f) * (3.0f - -2.0f);
    EXPECT_FLOAT_EQ(generator.nextFloat(-2.0f, 3.0f), expected);

    for (int i = 0; i < 200; ++i) {
        seed = nextSeed(seed);
        mixed = static_cast<uint32_t>(seed ^ (seed >> 15));
        ASSERT_EQ(generator.nextInt(-5, 5), -5 + static_cast<int>(mixed % 11));
    }
}

TEST(RandomGenerator, FloatCoversTheWholeRange) {
    // 65535 steps of the top half-word reach max itself.
    engine::RandomGenerator generator;
    float lowest = 1;
    float highest = 0;
    generator.seed(7);
    for (int i = 0; i < 200000; ++i) {
        float f = generator.nextFloat(0, 1);
        ASSERT_GE(f, 0.0f);
        ASSERT_LE(f, 1.0f);
        lowest = f < lowest ? f : lowest;
        highest = f > highest ? f : highest;
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

TEST(RandomGenerator, DegenerateRangesStayDefined) {
    engine::RandomGenerator generator;
    generator.seed(99);
    EXPECT_EQ(generator.nextInt(4, 4), 4);
    // An empty range gives the lower bound instead of a division by zero.
    EXPECT_EQ(generator.nextInt(5, 4), 5);
    EXPECT_EQ(generator.nextInt(5, 1), 5);
    // The full int range does not overflow its span.
    uint32_t before = generator.state();
    uint32_t after = before * 214013u + 2531011u;
    uint32_t mixed = after ^ (after >> 15);
    EXPECT_EQ(generator.nextInt(INT32_MIN, INT32_MAX),
              static_cast<int>(static_cast<int64_t>(INT32_MIN) + mixed));
}
