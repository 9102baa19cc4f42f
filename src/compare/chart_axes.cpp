#include "compare/chart_axes.h"

#include <algorithm>
#include <cmath>

namespace compare {

namespace {

double Figure(const sorting::SortCounts& counts, double seconds, ChartOf of)
{
    switch (of) {
        case ChartOf::Comparisons:
            return double(counts.comparisons);
        case ChartOf::Moves:
            return double(counts.moves);
        case ChartOf::Seconds:
            break;
    }
    return seconds;
}

}  // namespace

std::vector<ChartRow> ChartRows(const std::vector<Measurement>& measurements, ChartOf of)
{
    std::vector<ChartRow> rows;
    for (const Measurement& m : measurements)
        if (m.Made() && (!m.lane.IsScript() || of != ChartOf::Seconds)) {
            const double value = Figure(m.counts, m.seconds, of);
            rows.push_back({m.lane, m.order, double(m.count), value, value, value});
        }
    return rows;
}

std::vector<ChartRow> ChartRows(const std::vector<EveryOrderRow>& rows, ChartOf of)
{
    std::vector<ChartRow> chart;
    for (const EveryOrderRow& row : rows) {
        const FigureRange& range = of == ChartOf::Moves ? row.moves : row.comparisons;
        chart.push_back({row.method, sorting::InitialOrder::Random, double(row.count),
                         double(range.total) / double(row.orders), double(range.fewest), double(range.most)});
    }
    return chart;
}

namespace {

// The round step, 1, 2 or 5 times a power of ten, that cuts `span` into at most six.
double RoundStep(double span)
{
    const double decade = std::pow(10.0, std::floor(std::log10(span / 6)));
    for (double step : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (span / (step * decade) <= 6) return step * decade;
    return 10 * decade;
}

}  // namespace

ChartAxis::ChartAxis(const std::vector<double>& values, ChartScale scale) : scale_(scale)
{
    double least = INFINITY, most = -INFINITY;
    for (double value : values)
        if (value > 0 && std::isfinite(value)) least = std::min(least, value), most = std::max(most, value);
    valid_ = std::isfinite(least);
    if (!valid_) return;
    if (scale_ == ChartScale::Log) {
        low_ = std::floor(std::log10(least));
        high_ = std::max(std::ceil(std::log10(most)), low_ + 1);
        return;
    }
    step_ = RoundStep(most);
    high_ = std::ceil(most / step_) * step_;
}

double ChartAxis::Share(double value) const
{
    if (scale_ == ChartScale::Log) return (std::log10(value) - low_) / (high_ - low_);
    return value / high_;
}

std::vector<double> ChartAxis::Ticks() const
{
    std::vector<double> ticks;
    if (scale_ == ChartScale::Log)
        for (double d = low_; d <= high_; ++d) ticks.push_back(std::pow(10.0, d));
    else
        for (double v = 0; v <= high_ * (1 + 1e-9); v += step_) ticks.push_back(v);
    return ticks;
}

namespace {

std::vector<double> Values(const std::vector<ChartRow>& rows, bool counts)
{
    std::vector<double> values;
    for (const ChartRow& row : rows)
        if (row.value > 0)
            values.insert(values.end(), counts ? std::initializer_list<double>{row.count}
                                               : std::initializer_list<double>{row.value, row.high});
    return values;
}

// A number without digits after the point where it has none: "250", "0.1", "2.5".
std::string Plain(double value, const platform::NumberFormat& format)
{
    for (int digits = 0; digits < 9; ++digits)
        if (std::abs(value * std::pow(10.0, digits) - std::round(value * std::pow(10.0, digits))) < 1e-6)
            return platform::FormatNumber(value, digits, format);
    return platform::FormatNumber(value, 9, format);
}

}  // namespace

ChartAxes::ChartAxes(const std::vector<ChartRow>& rows, ChartOf of, ChartScale scale)
    : of_(of), scale_(scale), across_(Values(rows, true), scale), up_(Values(rows, false), scale)
{
}

std::string CountLabel(double count, bool compact, const platform::NumberFormat& format)
{
    constexpr const char* kUnits[] = {"k", "M", "G", "T"};
    if (!compact || count < 1000) return Plain(count, format);
    int unit = 0;
    while (count >= 1e6 && unit < 3) count /= 1000, ++unit;
    return Plain(count / 1000, format) + kUnits[unit];
}

std::string TimeLabel(double seconds, const platform::NumberFormat& format)
{
    if (seconds == 0) return "0 s";
    if (seconds >= 1 - 1e-12) return Plain(seconds, format) + " s";
    if (seconds >= 1e-3 - 1e-15) return Plain(seconds * 1e3, format) + " ms";
    if (seconds >= 1e-6 - 1e-18) return Plain(seconds * 1e6, format) + " \u00b5s";
    return Plain(seconds * 1e9, format) + " ns";
}

std::string ValueLabel(double value, ChartOf of, const platform::NumberFormat& format)
{
    return of == ChartOf::Seconds ? TimeLabel(value, format) : CountLabel(value, true, format);
}

std::vector<ChartPoint> ReferenceLine(const ChartAxes& axes, ChartPoint through, double from, double to,
                                      const sorting::Growth& growth)
{
    constexpr int kSteps = 200;
    std::vector<ChartPoint> points;
    for (int i = 0; i <= kSteps; ++i) {
        const double count = from * std::pow(to / from, double(i) / kSteps);
        const double value = through.value * growth.At(count) / growth.At(through.count);
        if (axes.Up(value) > 1 + 1e-9) break;
        points.push_back({count, value});
    }
    return points;
}

ChartPoint ReferenceAnchor(const std::vector<ChartRow>& rows)
{
    ChartPoint anchor{INFINITY, 0};
    for (const ChartRow& row : rows)
        if (row.value > 0 && (row.count < anchor.count || (row.count == anchor.count && row.value < anchor.value)))
            anchor = {row.count, row.value};
    return anchor;
}

}  // namespace compare
