#include "resource/Randomizer.h"

#include <cstdlib>
#include <ctime>

#include "core/Log.h"

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
