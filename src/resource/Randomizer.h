#pragma once

#include <cstdint>

// The game's one source of random integers, over the standard library's rand.
class Randomizer {
public:
    // A value in [low, high): rand() % (high - low) + low. Equal bounds give
    // the bound; high below low logs an error and gives 0.
    static int32_t getInt(int32_t low, int32_t high);

    // Seeds rand with the current time, or, when FISCORA_SEED is set, with
    // that number on the first call only, so a seeded game stays one
    // reproducible sequence however often the game reseeds.
    static void seed();
};
