#pragma once

#include "compare/comparison.h"
#include "platform/format_number.h"

#include <string>
#include <vector>

namespace compare {

// Log-log axes around a chart's measurements: whole decades of count and of seconds around
// every time above zero, at least one decade on each axis.
class LogLogAxes {
public:
    explicit LogLogAxes(const std::vector<Measurement>& measurements);

    // Whether any measurement has a time to show.
    bool Valid() const;
    // Where a count and a time stand, as shares of the axes' lengths from the lower left.
    double Across(double count) const;
    double Up(double seconds) const;

    int FirstCountDecade() const { return static_cast<int>(minX_); }
    int LastCountDecade() const { return static_cast<int>(maxX_); }
    int FirstTimeDecade() const { return static_cast<int>(minY_); }
    int LastTimeDecade() const { return static_cast<int>(maxY_); }

private:
    double minX_, maxX_, minY_, maxY_;
};

// The label of a count's decade: "1,000", or "1k" where space is short; of a time's: "10 ms";
// in the numbers of the user's region.
inline const platform::NumberFormat kEnglishNumbers{".", ","};
std::string CountLabel(int decade, bool compact, const platform::NumberFormat& format = kEnglishNumbers);
std::string TimeLabel(int decade, const platform::NumberFormat& format = kEnglishNumbers);

// A dashed reference line: how long a sort growing as `growth` would take, through `anchor`,
// from its count to `lastCount`, as (count, seconds) points; it ends where it leaves the
// axes at their top.
struct ChartPoint {
    double count;
    double seconds;
};
std::vector<ChartPoint> ReferenceLine(const LogLogAxes& axes, const Measurement& anchor, std::int32_t lastCount,
                                      double (*growth)(double));

// The measurement the reference lines go through: the one of the smallest count, the
// fastest of those.
const Measurement& ReferenceAnchor(const std::vector<Measurement>& measurements);

}  // namespace compare
