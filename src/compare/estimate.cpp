#include "compare/estimate.h"

#include "platform/words.h"

#include <algorithm>
#include <cmath>

namespace compare {

Estimate EstimateSeconds(const std::vector<TimedPoint>& points, sorting::Growth slowest, sorting::Growth fastest,
                         std::int32_t count)
{
    std::vector<TimedPoint> usable;
    for (const TimedPoint& p : points)
        if (p.count <= count && p.count > 0 && p.seconds > 0) usable.push_back(p);
    if (usable.empty()) return {};
    // The latest point of the largest count, and the latest of the count below it.
    std::stable_sort(usable.begin(), usable.end(),
                     [](const TimedPoint& a, const TimedPoint& b) { return a.count < b.count; });
    const TimedPoint last = usable.back();
    const auto before =
        std::find_if(usable.rbegin(), usable.rend(), [&](const TimedPoint& p) { return p.count < last.count; });
    const auto at = [count](const TimedPoint& p, sorting::Growth growth) {
        return p.seconds * growth.At(count) / growth.At(p.count);
    };
    Estimate estimate{at(last, slowest), at(last, fastest)};
    if (before != usable.rend()) {
        estimate.low = std::min(estimate.low, at(*before, slowest));
        estimate.high = std::max(estimate.high, at(*before, fastest));
    }
    return estimate;
}

std::int32_t LargestCount(const std::vector<TimedPoint>& points)
{
    std::int32_t largest = 0;
    for (const TimedPoint& p : points) largest = std::max(largest, p.count);
    return largest;
}

namespace {

// A year of rows is not waited for; the count of years needs no more than an int.
int Whole(double amount) { return static_cast<int>(std::clamp(std::lround(amount), 1L, 1000000000L)); }

// The units a duration is said in: one of each, in seconds, and where the next takes over.
enum class Unit { Second, Minute, Hour, Day, Year };
constexpr double kLength[] = {1, 60, 3600, 86400, 365.25 * 86400};
constexpr double kUpTo[] = {90, 90 * 60, 48 * 3600, 365 * 86400.0};

Unit UnitFor(double seconds)
{
    const auto unit = std::find_if(std::begin(kUpTo), std::end(kUpTo), [&](double upTo) { return seconds < upTo; });
    return static_cast<Unit>(unit - std::begin(kUpTo));
}

double In(Unit unit, double seconds) { return seconds / kLength[static_cast<int>(unit)]; }

// Each text whole in its call, so that the translators' tools know it has plural forms.
std::string Said(Unit unit, int n)
{
    using platform::Words;
    switch (unit) {
        case Unit::Second:
            return Words("compare", "about %n second(s)", nullptr, n);
        case Unit::Minute:
            return Words("compare", "about %n minute(s)", nullptr, n);
        case Unit::Hour:
            return Words("compare", "about %n hour(s)", nullptr, n);
        case Unit::Day:
            return Words("compare", "about %n day(s)", nullptr, n);
        case Unit::Year:
            break;
    }
    return Words("compare", "about %n year(s)", nullptr, n);
}

std::string SaidFromTo(Unit unit, int low, int n)
{
    using platform::Words;
    const auto from = [low](const std::string& pattern) { return platform::Fill(pattern, {std::to_string(low)}); };
    switch (unit) {
        case Unit::Second:
            return from(Words("compare", "about %1 to %n second(s)", nullptr, n));
        case Unit::Minute:
            return from(Words("compare", "about %1 to %n minute(s)", nullptr, n));
        case Unit::Hour:
            return from(Words("compare", "about %1 to %n hour(s)", nullptr, n));
        case Unit::Day:
            return from(Words("compare", "about %1 to %n day(s)", nullptr, n));
        case Unit::Year:
            break;
    }
    return from(Words("compare", "about %1 to %n year(s)", nullptr, n));
}

}  // namespace

std::string AboutDuration(double seconds)
{
    if (seconds < 1) return platform::Words("compare", "under a second");
    const Unit unit = UnitFor(seconds);
    return Said(unit, Whole(In(unit, seconds)));
}

std::string AboutDuration(const Estimate& estimate)
{
    // Ends within a quarter of each other are no uncertainty worth saying.
    if (estimate.high < 1 || estimate.high < 1.25 * estimate.low) return AboutDuration(estimate.Likely());
    // Said in the unit of the high end: "about 40 seconds to 2 minutes" would say less.
    const Unit unit = UnitFor(estimate.high);
    const int low = Whole(In(unit, estimate.low)), high = Whole(In(unit, estimate.high));
    return low >= high ? Said(unit, high) : SaidFromTo(unit, low, high);
}

}  // namespace compare
