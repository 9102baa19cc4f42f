#include "compare/estimate.h"

#include <algorithm>
#include <cmath>

namespace compare {

double EstimateSeconds(const std::vector<TimedPoint>& points, std::int32_t count)
{
    std::vector<TimedPoint> below;
    for (const TimedPoint& p : points)
        if (p.count < count && p.count > 0 && p.seconds > 0) below.push_back(p);
    if (below.empty()) return 0;
    // The latest point of the largest count, and the latest of the count below it.
    std::stable_sort(below.begin(), below.end(),
                     [](const TimedPoint& a, const TimedPoint& b) { return a.count < b.count; });
    const TimedPoint last = below.back();
    double exponent = 2;
    const auto before =
        std::find_if(below.rbegin(), below.rend(), [&](const TimedPoint& p) { return p.count < last.count; });
    if (before != below.rend())
        exponent = std::clamp(std::log(last.seconds / before->seconds) / std::log(double(last.count) / before->count),
                              1.0, 2.0);
    return last.seconds * std::pow(double(count) / double(last.count), exponent);
}

std::string AboutDuration(double seconds)
{
    const auto about = [](double amount, const char* unit) {
        const long whole = std::max(1L, std::lround(amount));
        return "about " + std::to_string(whole) + " " + unit + (whole == 1 ? "" : "s");
    };
    if (seconds < 1) return "under a second";
    if (seconds < 90) return about(seconds, "second");
    if (seconds < 90 * 60) return about(seconds / 60, "minute");
    if (seconds < 48 * 3600) return about(seconds / 3600, "hour");
    if (seconds < 365 * 86400.0) return about(seconds / 86400, "day");
    return about(seconds / (365.25 * 86400), "year");
}

}  // namespace compare
