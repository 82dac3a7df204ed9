#include "resource/Randomizer.h"

#include <cstdlib>
#include <ctime>
#include <map>
#include <utility>

#include "core/EnumNames.h"
#include "core/Log.h"

namespace {

const char* const STREAM_NAMES[] = {"UNDEFINED", "EVENTS", "DAYS",  "AMOUNTS", "BILLS",
                                    "FURNITURE", "STOCKS", "FUNDS", "INTEREST"};

const uint64_t GOLDEN = 0x9E3779B97F4A7C15ULL;

// The scenario's sequences: one splitmix64 state per stream and key, made
// on its first draw. Inactive while the game draws from rand.
struct Streams {
    bool active = false;
    uint64_t base = 0;
    std::map<std::pair<int, uint32_t>, uint64_t> states;
};

Streams& streams() {
    static Streams instance;
    return instance;
}

uint64_t nextDraw(RandomStream::_enum stream, uint32_t key) {
    Streams& all = streams();
    auto found = all.states.find({stream, key});
    if (found == all.states.end()) {
        const uint64_t start = Randomizer::mix(
            all.base ^ Randomizer::mix((static_cast<uint64_t>(stream) << 32) | key));
        found = all.states.emplace(std::make_pair(static_cast<int>(stream), key), start).first;
    }
    found->second += GOLDEN;
    return Randomizer::mix(found->second);
}

}  // namespace

std::string RandomStream::toString(int stream) {
    return enumnames::toString(STREAM_NAMES, stream);
}

RandomStream::_enum RandomStream::fromString(const std::string& name) {
    return static_cast<_enum>(enumnames::fromString(STREAM_NAMES, name));
}

int32_t Randomizer::getInt(int32_t low, int32_t high) {
    if (high < low) {
        Log::error("Randomizer::getInt") << "highbound is lower than lowbound, returning 0";
        return 0;
    }
    if (high == low) {
        return low;
    }
    // 64-bit, so that a span across zero cannot overflow.
    const int64_t span = static_cast<int64_t>(high) - low;
    return static_cast<int32_t>(low + std::rand() % span);
}

int32_t Randomizer::getInt(RandomStream::_enum stream, int32_t low, int32_t high, uint32_t key) {
    if (!hasStreams()) {
        return getInt(low, high);
    }
    if (high < low) {
        Log::error("Randomizer::getInt") << "highbound is lower than lowbound, returning 0";
        return 0;
    }
    if (high == low) {
        return low;
    }
    // A span is at most 2^32, so the remainder's bias is below 2^-32.
    const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(high) - low);
    return static_cast<int32_t>(low + static_cast<int64_t>(nextDraw(stream, key) % span));
}

float Randomizer::getFloat(RandomStream::_enum stream, float low, float high, uint32_t key) {
    if (high < low) {
        std::swap(low, high);
    }
    double unit = 0.0;
    if (hasStreams()) {
        // The top 53 bits: every double in [0, 1) with that step.
        unit = static_cast<double>(nextDraw(stream, key) >> 11) / 9007199254740992.0;
    } else {
        unit = std::rand() / (static_cast<double>(RAND_MAX) + 1.0);
    }
    return static_cast<float>(low + (static_cast<double>(high) - low) * unit);
}

void Randomizer::seed() {
    static bool seeded = false;
    const char* fixed = std::getenv("FISCORA_SEED");
    if (fixed && *fixed) {
        if (!seeded) {
            std::srand(static_cast<unsigned>(std::strtoul(fixed, nullptr, 10)));
            seeded = true;
        }
        return;
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void Randomizer::startStreams(uint64_t base) {
    Streams& all = streams();
    all.active = true;
    all.base = base;
    all.states.clear();
}

void Randomizer::stopStreams() {
    Streams& all = streams();
    all.active = false;
    all.states.clear();
}

bool Randomizer::hasStreams() {
    return streams().active;
}

uint64_t Randomizer::mix(uint64_t value) {
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}
