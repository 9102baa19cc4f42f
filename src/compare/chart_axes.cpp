#include "compare/chart_axes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace compare {
namespace {

// A whole number with a comma between each three digits: "1,000,000".
std::string Grouped(long long n)
{
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

long long PowerOfTen(int decade) { return std::llround(std::pow(10.0, decade)); }

// 1, 10 or 100 of a unit, or a fraction of one below it: "0.1".
std::string OfUnit(int decade)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::pow(10.0, decade));
    return text;
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

std::string CountLabel(int decade, bool compact)
{
    if (compact && decade >= 3) return std::to_string(PowerOfTen(decade % 3)) + "kMG"[decade / 3 - 1];
    return Grouped(PowerOfTen(decade));
}

std::string TimeLabel(int decade)
{
    if (decade >= 0) return Grouped(PowerOfTen(decade)) + " s";
    if (decade >= -3) return OfUnit(decade + 3) + " ms";
    if (decade >= -6) return OfUnit(decade + 6) + " \u00b5s";
    return OfUnit(decade + 9) + " ns";
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
