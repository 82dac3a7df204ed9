#pragma once
#include <cstdint>
#include <string>

namespace money {

// Whole kronor the Swedish way: "12 345", "-1 200", "800".
std::string format(int64_t kronor);
// The same followed by " kr".
std::string kr(int64_t kronor);

}  // namespace money
