#pragma once

#include "sorting/work_growth.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace compare {

// A sort's time at a count: measured, or taken in a calibration.
struct TimedPoint {
    std::int32_t count;
    double seconds;
};

// How long a run will take: from its least to its most likely time.
struct Estimate {
    double low = 0, high = 0;

    double Likely() const { return std::sqrt(low * high); }
    Estimate operator*(double k) const { return {low * k, high * k}; }
    Estimate operator+(const Estimate& other) const { return {low + other.low, high + other.high}; }
};

// The time at `count`, from the two points of the largest counts up to it (the method's own
// earlier runs, or its calibration): each point fits the constant of t = c · f(n), for the
// growth f the method has on its order, and the estimate spans what the two constants give.
// Where the growth is not known, as for a student's script, `slowest` and `fastest` bound it.
// A run on a busy machine only ever takes longer, so that the low end, from the smaller
// constant, holds where one point was slowed. One point gives one constant; none, 0.
Estimate EstimateSeconds(const std::vector<TimedPoint>& points, sorting::Growth slowest, sorting::Growth fastest,
                         std::int32_t count);
inline Estimate EstimateSeconds(const std::vector<TimedPoint>& points, sorting::Growth growth, std::int32_t count)
{
    return EstimateSeconds(points, growth, growth, count);
}

// The largest count of these points, 0 without any.
std::int32_t LargestCount(const std::vector<TimedPoint>& points);

// A duration as a person says it: "under a second", "about 40 seconds", "about 5 minutes",
// "about 31 hours", "about 3 days"; an estimate whose ends say different durations, as a
// range: "about 3 to 5 minutes", unless they lie within a quarter of each other.
std::string AboutDuration(double seconds);
std::string AboutDuration(const Estimate& estimate);

}  // namespace compare
