#include "core/autoplay/Spender.h"

namespace autoplay {

Spender::Spender(int level) : Careful(level) {}

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
