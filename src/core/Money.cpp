#include "core/Money.h"

std::string money::format(int64_t kronor) {
    // Unsigned, so that the smallest 64-bit number keeps its digits.
    uint64_t magnitude = kronor < 0 ? 0 - static_cast<uint64_t>(kronor) : kronor;
    std::string digits = std::to_string(magnitude);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), " ");
    }
    return kronor < 0 ? "-" + digits : digits;
}

std::string money::kr(int64_t kronor) {
    return format(kronor) + " kr";
}
