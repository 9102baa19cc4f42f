#pragma once

#include "platform/rgb.h"

namespace race_window {

// The colours that mark the items of the current step: near black for the two items a
// comparison reads, amber for the items moved or written. They stand apart from the bars'
// blue-to-red, from the white ground and from each other mostly by lightness, which eyes that
// confuse red with green, or blue with yellow, still see.
inline constexpr platform::Colour kComparedColour = platform::RGB(24, 24, 24);
inline constexpr platform::Colour kMovedColour = platform::RGB(255, 184, 0);

}  // namespace race_window
