#pragma once

#include <string>

namespace autoplay {

class Hand;

// Trips to town for the careful player: furniture from the furniture store,
// funds and shares at the bank. Placeholder until the shops are played.
class Shopper {
public:
    virtual ~Shopper() = default;
    // Away from the flat on an errand.
    virtual bool isOut() const { return false; }
    // One step of an errand; false when there is none now.
    virtual bool act(Hand&) { return false; }
    virtual bool answers(const std::string&) const { return false; }
};

}  // namespace autoplay
