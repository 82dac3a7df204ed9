#pragma once

#include <random>

#include "core/autoplay/Style.h"

namespace autoplay {

// Presses anything: a visible widget, a drag from one, a key, a spot on the
// screen, with a pause of its own between them. The seed makes a run repeat.
class RandomStyle : public Style {
public:
    explicit RandomStyle(unsigned int seed);
    const char* name() const override { return "random"; }
    void decide(Hand& hand) override;

private:
    int roll(int below);

    std::mt19937 m_random;
};

}  // namespace autoplay
