#pragma once

#include "compare/comparison.h"
#include "compare/every_order.h"
#include "platform/format_number.h"
#include "sorting/work_growth.h"

#include <string>
#include <vector>

namespace compare {

// A point of the chart: a method's (or a student's script's) figure at a count, the seconds,
// the comparisons or the moves, and the range it spans where it is the mean over every order.
struct ChartRow {
    script::LaneSource lane;
    sorting::InitialOrder order;
    double count;
    double value;
    double low, high;  // the value itself but over every order
};

// The rows made, as the chart shows them: a script's seconds, Python's, are left out.
std::vector<ChartRow> ChartRows(const std::vector<Measurement>& measurements, ChartOf of);
// The mean over every order, between the fewest and the most; there are no seconds to show.
std::vector<ChartRow> ChartRows(const std::vector<EveryOrderRow>& rows, ChartOf of);

// One axis: whole decades around every value above zero (at least one) on a log scale, or from
// 0 to a round number above the largest on a linear one, with its ticks.
class ChartAxis {
public:
    ChartAxis(const std::vector<double>& values, ChartScale scale);

    bool Valid() const { return valid_; }
    // Where a value stands, as a share of the axis's length from its start.
    double Share(double value) const;
    // The values marked along it: 1, 10, 100, ... or 0, 250, 500, ...
    std::vector<double> Ticks() const;

private:
    ChartScale scale_;
    bool valid_ = false;
    double low_ = 0, high_ = 1, step_ = 1;  // decades, on a log scale
};

// The chart's two axes: the count across, the figure up.
class ChartAxes {
public:
    ChartAxes(const std::vector<ChartRow>& rows, ChartOf of = ChartOf::Seconds, ChartScale scale = ChartScale::Log);

    bool Valid() const { return across_.Valid() && up_.Valid(); }
    double Across(double count) const { return across_.Share(count); }
    double Up(double value) const { return up_.Share(value); }
    const ChartAxis& CountAxis() const { return across_; }
    const ChartAxis& ValueAxis() const { return up_; }
    ChartOf Of() const { return of_; }
    ChartScale Scale() const { return scale_; }

private:
    ChartOf of_;
    ChartScale scale_;
    ChartAxis across_, up_;
};

// The label of a count: "1,000", or "1k" where space is short; of a time: "10 ms"; in the
// numbers of the user's region.
inline const platform::NumberFormat kEnglishNumbers{".", ","};
std::string CountLabel(double count, bool compact, const platform::NumberFormat& format = kEnglishNumbers);
std::string TimeLabel(double seconds, const platform::NumberFormat& format = kEnglishNumbers);
// A tick's label up the side: a time, or a count in short.
std::string ValueLabel(double value, ChartOf of, const platform::NumberFormat& format = kEnglishNumbers);

// A dashed reference line: how a figure growing as `growth` would go through the point
// `through`, from the count `from` to the count `to`, as (count, value) points; it ends where it
// leaves the axes at their top.
struct ChartPoint {
    double count;
    double value;
};
std::vector<ChartPoint> ReferenceLine(const ChartAxes& axes, ChartPoint through, double from, double to,
                                      const sorting::Growth& growth);

// The point the reference lines go through: that of the smallest count, the least of those,
// of the figures above zero; none, a value of 0.
ChartPoint ReferenceAnchor(const std::vector<ChartRow>& rows);

}  // namespace compare
