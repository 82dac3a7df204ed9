#pragma once

#include <string>

// The figures gathered for the end of the game.
struct StatisticType {
    enum _enum {
        UNDEFINED,
        FURNITURE_VALUE,
        PLAY_TIME,
        FUNDS_CASH,
        FUNDS_ACCOUNT,
        FUNDS_STOCK,
        FUNDS_FUNDS,
        TOTAL_STOCK_PROFIT,
        PERIOD,
        END
    };

    // "UNDEFINED" for 0 and for anything outside 0..END.
    static std::string toString(int type);
    // Exact, case-sensitive; any other text is UNDEFINED.
    static _enum fromString(const std::string& name);
};
