#pragma once

#include "platform/rgb.h"

namespace race_window {

// The colours that mark the items of the current step: near black for the two items a
// comparison reads, amber for the items moved or written. They stand apart from the bars'
// blue-to-red, from the white ground and from each other mostly by lightness, which eyes that
// confuse red with green, or blue with yellow, still see.
inline constexpr platform::Colour kComparedColour = platform::RGB(24, 24, 24);
inline constexpr platform::Colour kMovedColour = platform::RGB(255, 184, 0);

// The light grounds behind the bars that show what a method works on: the part it works on,
// the part already in order, and a merge's left and right runs; and the pivot's mark, green
// once the pivot stands where it stays.
inline constexpr platform::Colour kWorkingColour = platform::RGB(214, 230, 247);
inline constexpr platform::Colour kSortedColour = platform::RGB(214, 240, 214);
inline constexpr platform::Colour kLeftRunColour = platform::RGB(230, 218, 245);
inline constexpr platform::Colour kRightRunColour = platform::RGB(250, 226, 200);
inline constexpr platform::Colour kPivotColour = platform::RGB(24, 24, 24);
inline constexpr platform::Colour kPivotDoneColour = platform::RGB(0, 140, 60);

}  // namespace race_window
