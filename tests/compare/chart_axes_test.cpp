// The growth chart's arithmetic: its axes, their labels and its reference lines.

#include "compare/chart_axes.h"

#include <gtest/gtest.h>

#include <cmath>

using compare::LogLogAxes;
using compare::Measurement;

namespace {

Measurement At(std::int32_t count, double seconds)
{
    return {sorting::SortMethod::Merge, sorting::InitialOrder::Random, count, seconds, {}, true};
}

}  // namespace

TEST(ChartAxes, LabelEachDecadeAsAPersonReadsIt)
{
    const std::vector<std::pair<std::string, std::string>> labels{
        {compare::CountLabel(0, false), "1"},
        {compare::CountLabel(3, false), "1,000"},
        {compare::CountLabel(7, false), "10,000,000"},
        {compare::CountLabel(2, true), "100"},
        {compare::CountLabel(3, true), "1k"},
        {compare::CountLabel(5, true), "100k"},
        {compare::CountLabel(6, true), "1M"},
        {compare::CountLabel(9, true), "1G"},
        {compare::TimeLabel(3), "1,000 s"},
        {compare::TimeLabel(0), "1 s"},
        {compare::TimeLabel(-1), "100 ms"},
        {compare::TimeLabel(-3), "1 ms"},
        {compare::TimeLabel(-4), "100 \u00b5s"},
        {compare::TimeLabel(-6), "1 \u00b5s"},
        {compare::TimeLabel(-8), "10 ns"},
        {compare::TimeLabel(-10), "0.1 ns"},
    };
    for (const auto& [label, expected] : labels) EXPECT_EQ(label, expected);
}

TEST(ChartAxes, SpanWholeDecadesAroundEveryTimeAboveZero)
{
    const LogLogAxes axes({At(1000, 9.97e-5), At(64000, 12.3), At(10, 0), At(2000, 0.5)});
    ASSERT_TRUE(axes.Valid());
    EXPECT_EQ(axes.FirstCountDecade(), 3);
    EXPECT_EQ(axes.LastCountDecade(), 5);
    EXPECT_EQ(axes.FirstTimeDecade(), -5);
    EXPECT_EQ(axes.LastTimeDecade(), 2);
    EXPECT_DOUBLE_EQ(axes.Across(1000), 0);
    EXPECT_DOUBLE_EQ(axes.Across(10000), 0.5);
    EXPECT_DOUBLE_EQ(axes.Across(100000), 1);
    EXPECT_DOUBLE_EQ(axes.Up(1e-5), 0);
    EXPECT_NEAR(axes.Up(0.01), 3.0 / 7, 1e-12);
    EXPECT_DOUBLE_EQ(axes.Up(100), 1);

    const LogLogAxes one({At(1000, 0.5)});  // a decade on each axis, at the least
    EXPECT_EQ(one.FirstCountDecade(), 3);
    EXPECT_EQ(one.LastCountDecade(), 4);
    EXPECT_EQ(one.FirstTimeDecade(), -1);
    EXPECT_EQ(one.LastTimeDecade(), 0);
    EXPECT_FALSE(LogLogAxes({At(1000, 0)}).Valid());
}

TEST(ChartAxes, ReferenceLinesGrowAsTheirLawFromTheFastestOfTheSmallestCount)
{
    const std::vector<Measurement> rows{At(2000, 0.0001), At(1000, 0.003), At(1000, 0.001), At(64000, 2)};
    const Measurement& anchor = compare::ReferenceAnchor(rows);
    EXPECT_EQ(anchor.count, 1000);
    EXPECT_EQ(anchor.seconds, 0.001);

    const LogLogAxes axes(rows);  // up to 10 s
    const struct {
        double (*growth)(double);
        double exponent;
    } laws[] = {{[](double n) { return n * n; }, 2}, {[](double n) { return n * std::log2(n); }, 1}};
    for (const auto& law : laws) {
        const auto line = compare::ReferenceLine(axes, anchor, 64000, law.growth);
        ASSERT_GT(line.size(), 100u);
        EXPECT_DOUBLE_EQ(line.front().count, 1000);
        EXPECT_DOUBLE_EQ(line.front().seconds, 0.001);
        for (const auto& point : line)
            EXPECT_NEAR(point.seconds, 0.001 * law.growth(point.count) / law.growth(1000), 1e-12);
        const double slope = std::log(line.back().seconds / 0.001) / std::log(line.back().count / 1000);
        EXPECT_GE(slope, law.exponent) << "n log n grows a little faster than n";
        EXPECT_LT(slope, law.exponent + 0.25);
    }
    // n² from 1 ms reaches 10 s, the top, at 100,000 items: it stops before 64,000 only where
    // the axes end lower.
    EXPECT_DOUBLE_EQ(compare::ReferenceLine(axes, anchor, 64000, laws[0].growth).back().count, 64000);
    const LogLogAxes lower({At(1000, 0.001), At(2000, 0.9)});  // up to 1 s
    const auto cut = compare::ReferenceLine(lower, anchor, 64000, laws[0].growth);
    EXPECT_LE(lower.Up(cut.back().seconds), 1);
    EXPECT_GT(cut.back().count, 30000);
    EXPECT_LT(cut.back().count, 31623);
}
