#pragma once

#include <string>

namespace autoplay {

class Hand;

// How the bot plays: each time its hand is free it looks at the screen and
// puts at most one action into the hand, or none to look again next frame.
class Style {
public:
    virtual ~Style() = default;
    virtual const char* name() const = 0;
    virtual void decide(Hand& hand) = 0;
};

}  // namespace autoplay
