#include "compare/estimate.h"

#include "platform/words.h"

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

namespace {

// A year of rows is not waited for; the count of years needs no more than an int.
int Whole(double amount) { return static_cast<int>(std::clamp(std::lround(amount), 1L, 1000000000L)); }

}  // namespace

std::string AboutDuration(double seconds)
{
    using platform::Words;
    // Each count is worked out before it is named: the translation tools lose their way in a
    // division among a text's arguments.
    const int minutes = Whole(seconds / 60), hours = Whole(seconds / 3600), days = Whole(seconds / 86400);
    const int years = Whole(seconds / (365.25 * 86400));
    if (seconds < 1) return Words("compare", "under a second");
    if (seconds < 90) return Words("compare", "about %n second(s)", nullptr, Whole(seconds));
    if (seconds < 90 * 60) return Words("compare", "about %n minute(s)", nullptr, minutes);
    if (seconds < 48 * 3600) return Words("compare", "about %n hour(s)", nullptr, hours);
    if (seconds < 365 * 86400.0) return Words("compare", "about %n day(s)", nullptr, days);
    return Words("compare", "about %n year(s)", nullptr, years);
}

}  // namespace compare
