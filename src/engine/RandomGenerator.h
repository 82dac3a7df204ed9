// The engine's pseudo-random numbers: a 32-bit linear congruential generator
// whose exact sequence the game's reproducible runs depend on.
#pragma once

#include <cstdint>

namespace engine {

class RandomGenerator {
public:
    void seed(uint32_t seed) { m_seed = seed; }
    uint32_t state() const { return m_seed; }

    // min + (s ^ (s >> 15)) mod (max - min + 1). An empty range (max < min)
    // gives min instead of dividing by zero or wrapping.
    int nextInt(int min, int max);
    // min + (s >> 16) * (1 / 65535) * (max - min).
    float nextFloat(float min, float max);

private:
    void step() { m_seed = m_seed * 214013u + 2531011u; }

    uint32_t m_seed = 0;
};

}  // namespace engine
