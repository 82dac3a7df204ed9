#pragma once

#include "core/autoplay/Careful.h"

namespace autoplay {

// A player who lives for today: too little food, nothing saved, yes to
// whatever it can pay for, the dearest furniture, and no to bills it cannot
// pay.
class Spender : public Careful {
public:
    explicit Spender(int level);
    const char* name() const override { return "spender"; }

    int consumption(int need, int norm, int cash) const override;
    int savings(int cash, int expenses) const override;
    bool acceptsEvent(int value, int cash) const override;
    int errandMoney(int cash) const override;
    int billMoney() const override { return 0; }

    // The share of the food norm it buys, in percent.
    static constexpr int FOOD_PERCENT = 40;
    // Pieces of furniture bought in a game, at most.
    static constexpr int MOST_PIECES = 60;
};

}  // namespace autoplay
