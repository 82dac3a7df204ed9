#include "engine/RandomGenerator.h"

namespace engine {

int RandomGenerator::nextInt(int min, int max) {
    step();
    if (max < min) {
        return min;
    }
    // The span in 64 bits: max - min + 1 overflows int for the full range.
    uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(max) - min) + 1;
    uint32_t mixed = m_seed ^ (m_seed >> 15);
    return static_cast<int>(static_cast<int64_t>(min) + static_cast<int64_t>(mixed % span));
}

float RandomGenerator::nextFloat(float min, float max) {
    step();
    return min + static_cast<float>(m_seed >> 16) * (1.0f / 65535.0f) * (max - min);
}

}  // namespace engine
