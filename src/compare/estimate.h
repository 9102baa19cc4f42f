#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace compare {

// A sort's time at a count: measured, or taken in a short calibration.
struct TimedPoint {
    std::int32_t count;
    double seconds;
};

// The time a sort will take at `count`, from the growth between the last two points below
// it (the method's own earlier runs, or its calibration): t₂ · (count / n₂)^e, with e the
// exponent between the two points, kept from 1 to 2: no method here grows more slowly than
// its count or faster than its square, and a steeper step between two short runs (the items
// outgrowing a cache, a noisy reading) would make a far estimate wilder still. From one point
// alone, the growth is taken as quadratic. No point: 0.
double EstimateSeconds(const std::vector<TimedPoint>& points, std::int32_t count);

// A duration as a person says it: "under a second", "about 40 seconds", "about 5 minutes",
// "about 31 hours", "about 3 days".
std::string AboutDuration(double seconds);

}  // namespace compare
