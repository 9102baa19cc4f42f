#pragma once

#include <cstdint>
#include <string_view>

namespace animation {

// The number of delay iterations for a delay text: its value × 1000, rounded halves to even.
// Out of the 32-bit range it raises the overflow error; beyond double precision, the
// floating-point error.
std::int32_t DelayCount(std::string_view delayText);

// Holds the processor for `count` empty iterations (none when below 1). It neither sleeps
// nor lets the window process events.
void BusyWait(std::int32_t count);

}  // namespace animation
