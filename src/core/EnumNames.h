#pragma once

#include <cstddef>
#include <string>

// Name conversion for the game's enumerations, whose values index a table of
// names with "UNDEFINED" first: a value outside the table names entry 0, and
// an unknown name gives 0.
namespace enumnames {

template <std::size_t N>
const char* toString(const char* const (&names)[N], int value) {
    return value >= 0 && static_cast<std::size_t>(value) < N ? names[value] : names[0];
}

template <std::size_t N>
int fromString(const char* const (&names)[N], const std::string& name) {
    for (std::size_t value = 1; value < N; ++value) {
        if (name == names[value]) {
            return static_cast<int>(value);
        }
    }
    return 0;
}

}  // namespace enumnames
