#include "sim/StatisticType.h"

namespace {

const char* const NAMES[] = {
    "UNDEFINED",   "FURNITURE_VALUE", "PLAY_TIME",          "FUNDS_CASH", "FUNDS_ACCOUNT",
    "FUNDS_STOCK", "FUNDS_FUNDS",     "TOTAL_STOCK_PROFIT", "PERIOD",     "END",
};
static_assert(sizeof(NAMES) / sizeof(NAMES[0]) == StatisticType::END + 1, "one name per type");

}  // namespace

std::string StatisticType::toString(int type) {
    return type >= 0 && type <= END ? NAMES[type] : NAMES[UNDEFINED];
}

StatisticType::_enum StatisticType::fromString(const std::string& name) {
    for (int type = UNDEFINED + 1; type <= END; ++type) {
        if (name == NAMES[type]) {
            return static_cast<_enum>(type);
        }
    }
    return UNDEFINED;
}
