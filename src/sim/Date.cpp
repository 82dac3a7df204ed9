#include "sim/Date.h"

bool Date::operator==(const Date& other) const {
    return year == other.year && day == other.day && monthIndex() == other.monthIndex();
}
