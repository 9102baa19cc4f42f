#include "animation/animation_delay.h"

#include "platform/rounding.h"
#include "platform/run_time_error.h"
#include "platform/val.h"

#include <cmath>

namespace animation {

std::int32_t DelayCount(std::string_view delayText)
{
    const double iterations = platform::Val(delayText) * 1000.0;
    if (!std::isfinite(iterations))
        throw platform::RunTimeError(platform::ErrorKind::InvalidFloatingPoint, "The animation delay is too large.");
    try {
        return platform::RoundToInt32(iterations);
    } catch (const platform::RunTimeError&) {
        throw platform::RunTimeError(platform::ErrorKind::Overflow, "The animation delay is too large.");
    }
}

void BusyWait(std::int32_t count)
{
    for (std::int32_t n = 0; n < count; ++n) {
        // An empty statement the compiler must keep: each iteration really runs.
        asm volatile("");
    }
}

}  // namespace animation
