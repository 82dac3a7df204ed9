#include "sim/StatisticType.h"

#include "core/EnumNames.h"

namespace {

const char* const NAMES[] = {
    "UNDEFINED",   "FURNITURE_VALUE", "PLAY_TIME",          "FUNDS_CASH", "FUNDS_ACCOUNT",
    "FUNDS_STOCK", "FUNDS_FUNDS",     "TOTAL_STOCK_PROFIT", "PERIOD",     "END",
};
static_assert(sizeof(NAMES) / sizeof(NAMES[0]) == StatisticType::END + 1, "one name per type");

}  // namespace

std::string StatisticType::toString(int type) {
    return enumnames::toString(NAMES, type);
}

StatisticType::_enum StatisticType::fromString(const std::string& name) {
    return static_cast<_enum>(enumnames::fromString(NAMES, name));
}
