#include "animation/bar_colour.h"

#include "platform/rounding.h"

namespace animation {

platform::Colour BarColour(float value)
{
    const float red = value * 255.0f;
    const float blue = (1.0f - value) * 255.0f;
    return platform::RGB(platform::RoundToInt16(red), 0, platform::RoundToInt16(blue));
}

}  // namespace animation
