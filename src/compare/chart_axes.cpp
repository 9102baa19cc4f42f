#include "compare/chart_axes.h"

#include <algorithm>
#include <cmath>

namespace compare {
namespace {

long long PowerOfTen(int decade) { return std::llround(std::pow(10.0, decade)); }

// 1, 10 or 100 of a unit, or a fraction of one below it: "0.1".
std::string OfUnit(int decade, const platform::NumberFormat& format)
{
    return platform::FormatNumber(std::pow(10.0, decade), std::max(0, -decade), format);
}

}  // namespace

LogLogAxes::LogLogAxes(const std::vector<Measurement>& measurements)
    : minX_(INFINITY), maxX_(-INFINITY), minY_(INFINITY), maxY_(-INFINITY)
{
    for (const Measurement& m : measurements) {
        if (m.seconds <= 0) continue;
        minX_ = std::min(minX_, std::log10(double(m.count)));
        maxX_ = std::max(maxX_, std::log10(double(m.count)));
        minY_ = std::min(minY_, std::log10(m.seconds));
        maxY_ = std::max(maxY_, std::log10(m.seconds));
    }
    minX_ = std::floor(minX_);
    maxX_ = std::max(std::ceil(maxX_), minX_ + 1);
    minY_ = std::floor(minY_);
    maxY_ = std::max(std::ceil(maxY_), minY_ + 1);
}

bool LogLogAxes::Valid() const { return std::isfinite(minX_) && std::isfinite(minY_); }

double LogLogAxes::Across(double count) const { return (std::log10(count) - minX_) / (maxX_ - minX_); }

double LogLogAxes::Up(double seconds) const { return (std::log10(seconds) - minY_) / (maxY_ - minY_); }

std::string CountLabel(int decade, bool compact, const platform::NumberFormat& format)
{
    if (compact && decade >= 3) return std::to_string(PowerOfTen(decade % 3)) + "kMG"[decade / 3 - 1];
    return OfUnit(decade, format);
}

std::string TimeLabel(int decade, const platform::NumberFormat& format)
{
    if (decade >= 0) return OfUnit(decade, format) + " s";
    if (decade >= -3) return OfUnit(decade + 3, format) + " ms";
    if (decade >= -6) return OfUnit(decade + 6, format) + " \u00b5s";
    return OfUnit(decade + 9, format) + " ns";
}

std::vector<ChartPoint> ReferenceLine(const LogLogAxes& axes, const Measurement& anchor, std::int32_t lastCount,
                                      double (*growth)(double))
{
    constexpr int kSteps = 200;
    std::vector<ChartPoint> points;
    for (int i = 0; i <= kSteps; ++i) {
        const double count = anchor.count * std::pow(double(lastCount) / anchor.count, double(i) / kSteps);
        const double seconds = anchor.seconds * growth(count) / growth(anchor.count);
        if (axes.Up(seconds) > 1) break;
        points.push_back({count, seconds});
    }
    return points;
}

const Measurement& ReferenceAnchor(const std::vector<Measurement>& measurements)
{
    return *std::min_element(measurements.begin(), measurements.end(), [](const auto& a, const auto& b) {
        return a.count < b.count || (a.count == b.count && a.seconds < b.seconds);
    });
}

}  // namespace compare
