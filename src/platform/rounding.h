#pragma once

#include <cstdint>

namespace platform {

// Nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4). A value outside
// the target's range, or not a number, raises the overflow error.
std::int32_t RoundToInt32(double value);
std::int16_t RoundToInt16(double value);

// The same value in 16 bits; outside -32768 to 32767 it raises the overflow error.
std::int16_t ToInt16(std::int32_t value);

}  // namespace platform
