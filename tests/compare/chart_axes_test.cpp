// The growth chart's arithmetic: its axes, their labels and its reference lines.

#include "compare/chart_axes.h"

#include <gtest/gtest.h>

#include <cmath>

using compare::ChartAxes;
using compare::ChartOf;
using compare::ChartScale;
using compare::Measurement;

namespace {

Measurement At(std::int32_t count, double seconds, std::int64_t comparisons = 0)
{
    return {sorting::SortMethod::Merge, sorting::InitialOrder::Random, count, seconds, {comparisons, 0, 0, 0, 0}, true};
}

std::vector<compare::ChartRow> Rows(const std::vector<Measurement>& measurements, ChartOf of = ChartOf::Seconds)
{
    return compare::ChartRows(measurements, of);
}

}  // namespace

TEST(ChartAxes, LabelEachTickAsAPersonReadsIt)
{
    const std::vector<std::pair<std::string, std::string>> labels{
        {compare::CountLabel(1, false), "1"},
        {compare::CountLabel(1000, false), "1,000"},
        {compare::CountLabel(1e7, false), "10,000,000"},
        {compare::CountLabel(100, true), "100"},
        {compare::CountLabel(1000, true), "1k"},
        {compare::CountLabel(1e5, true), "100k"},
        {compare::CountLabel(250000, true), "250k"},
        {compare::CountLabel(1e6, true), "1M"},
        {compare::CountLabel(2.5e6, true), "2.5M"},
        {compare::CountLabel(1e9, true), "1G"},
        {compare::TimeLabel(1000), "1,000 s"},
        {compare::TimeLabel(1), "1 s"},
        {compare::TimeLabel(0.25), "250 ms"},
        {compare::TimeLabel(1e-3), "1 ms"},
        {compare::TimeLabel(1e-4), "100 \u00b5s"},
        {compare::TimeLabel(1e-6), "1 \u00b5s"},
        {compare::TimeLabel(1e-8), "10 ns"},
        {compare::TimeLabel(1e-10), "0.1 ns"},
        {compare::TimeLabel(0), "0 s"},
        {compare::ValueLabel(2e6, ChartOf::Comparisons), "2M"},
        {compare::ValueLabel(0.5, ChartOf::Seconds), "500 ms"},
    };
    for (const auto& [label, expected] : labels) EXPECT_EQ(label, expected);
}

TEST(ChartAxes, SpanWholeDecadesOnALogScaleAndRoundStepsFromZeroOnALinearOne)
{
    const std::vector<Measurement> rows{At(1000, 9.97e-5, 4), At(64000, 12.3, 4200000), At(10, 0), At(2000, 0.5, 9)};
    const ChartAxes log(Rows(rows));
    ASSERT_TRUE(log.Valid());
    EXPECT_EQ(log.CountAxis().Ticks(), (std::vector<double>{1e3, 1e4, 1e5}));
    EXPECT_EQ(log.ValueAxis().Ticks().size(), 8u) << "10 µs to 100 s";
    EXPECT_DOUBLE_EQ(log.Across(10000), 0.5);
    EXPECT_DOUBLE_EQ(log.Up(1e-5), 0);
    EXPECT_NEAR(log.Up(0.01), 3.0 / 7, 1e-12);
    EXPECT_DOUBLE_EQ(log.Up(100), 1);
    EXPECT_EQ(ChartAxes(Rows({At(1000, 0.5)})).CountAxis().Ticks(), (std::vector<double>{1e3, 1e4}))
        << "a decade at least";
    EXPECT_FALSE(ChartAxes(Rows({At(1000, 0)})).Valid());

    // 4.2 million comparisons: steps of a million up to 5 million; 64,000 items: of 20,000.
    const ChartAxes linear(Rows(rows, ChartOf::Comparisons), ChartOf::Comparisons, ChartScale::Linear);
    EXPECT_EQ(linear.ValueAxis().Ticks(), (std::vector<double>{0, 1e6, 2e6, 3e6, 4e6, 5e6}));
    EXPECT_EQ(linear.CountAxis().Ticks(), (std::vector<double>{0, 20000, 40000, 60000, 80000}));
    EXPECT_DOUBLE_EQ(linear.Up(2.5e6), 0.5);
    EXPECT_DOUBLE_EQ(linear.Across(0), 0);
}

TEST(ChartAxes, ReferenceLinesGrowAsTheirLawFromTheLeastOfTheSmallestCount)
{
    const std::vector<Measurement> rows{At(2000, 0.0001, 5), At(1000, 0.003, 0), At(1000, 0.001, 7), At(64000, 2)};
    const compare::ChartPoint anchor = compare::ReferenceAnchor(Rows(rows));
    EXPECT_EQ(anchor.count, 1000);
    EXPECT_EQ(anchor.value, 0.001);
    EXPECT_EQ(compare::ReferenceAnchor(Rows(rows, ChartOf::Comparisons)).value, 7) << "a figure of 0 is no anchor";

    const ChartAxes axes(Rows(rows));  // up to 10 s
    for (const sorting::Growth& law : {sorting::kQuadratic, sorting::kLinearithmic, sorting::kLinear}) {
        const auto line = compare::ReferenceLine(axes, anchor, 1000, 64000, law);
        ASSERT_GT(line.size(), 100u);
        EXPECT_DOUBLE_EQ(line.front().count, 1000);
        EXPECT_DOUBLE_EQ(line.front().value, 0.001);
        for (const auto& point : line) EXPECT_NEAR(point.value, 0.001 * law.At(point.count) / law.At(1000), 1e-12);
    }
    // n² from 1 ms reaches 10 s, the top, at 100,000 items: it stops before 64,000 only where
    // the axes end lower.
    EXPECT_DOUBLE_EQ(compare::ReferenceLine(axes, anchor, 1000, 64000, sorting::kQuadratic).back().count, 64000);
    const ChartAxes lower(Rows({At(1000, 0.001), At(2000, 0.9)}));  // up to 1 s
    const auto cut = compare::ReferenceLine(lower, anchor, 1000, 64000, sorting::kQuadratic);
    EXPECT_LE(lower.Up(cut.back().value), 1);
    EXPECT_GT(cut.back().count, 30000);
    EXPECT_LT(cut.back().count, 31623);
}
