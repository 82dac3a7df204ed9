#pragma once

#include <cstdint>
#include <string>

// The kinds of draw a game makes. Under a class scenario each kind draws
// from sequences of its own, so that more draws of one kind (a follow-up
// event, a share the player owns) cannot shift the draws of another.
struct RandomStream {
    enum _enum { UNDEFINED, EVENTS, DAYS, AMOUNTS, BILLS, FURNITURE, STOCKS, FUNDS, INTEREST, END };

    // "EVENTS" ... "INTEREST"; "UNDEFINED" for anything outside.
    static std::string toString(int stream);
    // Exact, case-sensitive; UNDEFINED for any other text.
    static _enum fromString(const std::string& name);
};

// The game's one source of random integers: the standard library's rand, or,
// once a scenario has started its streams, small generators of our own that
// give the same numbers on every machine.
class Randomizer {
public:
    // A value in [low, high) from rand: rand() % (high - low) + low. Equal
    // bounds give the bound; high below low logs an error and gives 0.
    static int32_t getInt(int32_t low, int32_t high);
    // The same from the sequence of `stream` and `key` (an event's or an
    // investment's id) while streams run, else from rand as above.
    static int32_t getInt(RandomStream::_enum stream, int32_t low, int32_t high, uint32_t key = 0);
    // A value between low and high from the sequence of `stream` and `key`;
    // from rand while no streams run. Bounds the wrong way round are swapped.
    static float getFloat(RandomStream::_enum stream, float low, float high, uint32_t key = 0);

    // Seeds rand with the current time, or, when FISCORA_SEED is set, with
    // that number on the first call only, so a seeded game stays one
    // reproducible sequence however often the game reseeds.
    static void seed();

    // From now on every (stream, key) draws a sequence that depends only on
    // `base` and the stream and key, each starting afresh.
    static void startStreams(uint64_t base);
    // Back to rand.
    static void stopStreams();
    static bool hasStreams();

    // A well-spread 64-bit value of `value` (the splitmix64 finaliser).
    static uint64_t mix(uint64_t value);
};
