#pragma once

#include "platform/rgb.h"

namespace animation {

// A bar's colour shows its value: pure blue for 0, through purple, towards red for 1.
platform::Colour BarColour(float value);

}  // namespace animation
