#pragma once

#include <cstdint>

namespace platform {

// A colour as one number: red + 256 × green + 65536 × blue, each part 0 to 255.
using Colour = std::int32_t;

constexpr Colour RGB(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

}  // namespace platform
