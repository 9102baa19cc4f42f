#include "race/pace.h"

#include <algorithm>
#include <cmath>

namespace race {

double Pace::StepsPerSecondAt(int notch)
{
    return std::pow(10.0, static_cast<double>(std::clamp(notch, kSlowest, kFastest)) / kNotchesPerDecade);
}

void Pace::SetNotch(int notch) { notch_ = std::clamp(notch, kSlowest, kFastest); }

std::uint64_t Pace::StepsFor(double seconds)
{
    carried_ += StepsPerSecond() * std::clamp(seconds, 0.0, 0.1);
    const double whole = std::floor(carried_ + 1e-9);  // sixty sixtieths make a whole
    carried_ = std::max(0.0, carried_ - whole);
    return static_cast<std::uint64_t>(whole);
}

}  // namespace race
