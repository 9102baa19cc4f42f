#include "platform/rounding.h"

#include "platform/run_time_error.h"

#include <cmath>
#include <limits>

namespace platform {
namespace {

template <typename Integer>
Integer RoundTo(double value)
{
    // Ties to even, whatever rounding mode the floating-point unit happens to be in.
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1.0;

    if (!(rounded >= static_cast<double>(std::numeric_limits<Integer>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Integer>::max())))
        throw RunTimeError(ErrorKind::Overflow);
    return static_cast<Integer>(rounded);
}

}  // namespace

std::int32_t RoundToInt32(double value) { return RoundTo<std::int32_t>(value); }

std::int16_t RoundToInt16(double value) { return RoundTo<std::int16_t>(value); }

std::int16_t ToInt16(std::int32_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw RunTimeError(ErrorKind::Overflow);
    return static_cast<std::int16_t>(value);
}

}  // namespace platform
