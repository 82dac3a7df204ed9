#pragma once

#include "sim/Month.h"

// A day of play. The year counts play years from 1; the month points into the
// calendar's table and is null before a calendar is loaded.
struct Date {
    int year = 0;
    int day = 0;
    const Month* month = nullptr;

    // 0 when there is no month.
    int monthIndex() const { return month ? month->index : 0; }
    // Same year, day and month index.
    bool operator==(const Date& other) const;
    bool operator!=(const Date& other) const { return !(*this == other); }
};
