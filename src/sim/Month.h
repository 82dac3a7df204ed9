#pragma once

#include <string>

// One month of the calendar's table, as read from "date.xml".
struct Month {
    int index = 0;  // 1-based position in the file
    std::string name;
    int length = 0;  // days
};
