#include "core/autoplay/Spender.h"

#include "core/autoplay/Shopper.h"

namespace autoplay {

Spender::Spender(int level) : Careful(level) {
    // Furniture only, the dearest it can pay for, as much of it as the cash
    // reaches every month; what the flat has no room for is sold again.
    setShopper(std::make_unique<Shopper>(1, true, MOST_PIECES));
}

int Spender::errandMoney(int cash) const {
    return cash;
}

int Spender::consumption(int need, int norm, int) const {
    return need == 0 ? norm * FOOD_PERCENT / 100 : norm;
}

int Spender::savings(int, int) const {
    return 0;
}

bool Spender::acceptsEvent(int value, int cash) const {
    return value >= 0 || -value <= cash;
}

}  // namespace autoplay
