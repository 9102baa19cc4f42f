// What the comparison tool works out before a run: its estimated time, whether it runs at
// all, the table's widths and whether the chart can be written.

#include "compare/chart_target.h"
#include "compare/compare_options.h"
#include "compare/comparison.h"
#include "compare/estimate.h"
#include "compare/report.h"
#include "platform/monotonic_clock.h"

#include <gtest/gtest.h>

#include <filesystem>

using compare::TimedPoint;

TEST(Estimate, FollowsTheGrowthOfTheLastTwoPointsBetweenLinearAndQuadratic)
{
    struct Case {
        std::vector<TimedPoint> points;
        std::int32_t count;
        double seconds;
    };
    const std::vector<Case> cases{
        {{{1000, 0.01}, {2000, 0.04}}, 20000, 4.0},                // quadratic
        {{{1000, 0.01}, {2000, 0.02}}, 20000, 0.2},                // linear
        {{{1000, 0.01}, {2000, 0.08}}, 20000, 8.0},                // steeper: held to quadratic
        {{{1000, 0.01}, {2000, 0.012}}, 20000, 0.12},              // flatter: held to linear
        {{{500, 1.0}, {1000, 0.01}, {2000, 0.04}}, 20000, 4.0},    // the last two
        {{{2000, 0.04}, {1000, 0.01}, {40000, 99}}, 20000, 4.0},   // in order of count, below it
        {{{1000, 0.01}}, 3000, 0.09},                              // one point: quadratic
        {{{1000, 0.01}, {2000, 0.02}, {2000, 0.04}}, 4000, 0.16},  // the later of two at one count
        {{{1000, 0.01}, {2000, 0.0}}, 4000, 0.16},                 // a run timed at zero says nothing
        {{{1000, 0.0}, {2000, 0.04}}, 4000, 0.16},
        {{}, 3000, 0.0},
    };
    for (const Case& c : cases) EXPECT_NEAR(compare::EstimateSeconds(c.points, c.count), c.seconds, 1e-9);
}

TEST(Estimate, SaysADurationAsAPersonWould)
{
    const std::vector<std::pair<double, std::string>> cases{
        {0.2, "under a second"},    {1, "about 1 second"},      {40, "about 40 seconds"}, {300, "about 5 minutes"},
        {3600, "about 60 minutes"}, {111600, "about 31 hours"}, {260000, "about 3 days"}, {1e9, "about 32 years"}};
    for (const auto& [seconds, words] : cases) EXPECT_EQ(compare::AboutDuration(seconds), words) << seconds;
}

TEST(Comparison, EachRunEstimatedBeyondTheLimitIsSkipped)
{
    const compare::CompareOptions options = compare::ParseOptions(
        {"--methods", "bubble", "--counts", "100,10000000,20000000", "--budget", "1000", "--seed", "1"});
    const auto rows = compare::Comparison(options, platform::Timer).Run();
    ASSERT_EQ(rows.size(), 3u) << "every count given has its row";
    EXPECT_TRUE(rows[0].Made());
    EXPECT_EQ(rows[1].count, 10000000);
    ASSERT_TRUE(rows[1].skipped && rows[2].skipped) << "bubble sort of ten million items takes hours";
    EXPECT_GT(*rows[1].skipped, 3600);
    EXPECT_GT(*rows[2].skipped, 3 * *rows[1].skipped);
    EXPECT_FALSE(rows[1].overBudget);
}

TEST(Report, TheTableHoldsTheLargestFiguresAnyRunOfTheOptionsCanGive)
{
    for (const char* largest : {"1000", "2147483647"}) {
        const compare::CompareOptions options = compare::ParseOptions({"--counts", largest});
        const compare::TableLayout layout = compare::LayoutFor(options);
        const std::int64_t n = std::stoll(largest), pairs = n * (n - 1) / 2 + n;
        compare::Measurement widest{.method = sorting::SortMethod::Insertion,
                                    .order = sorting::InitialOrder::NearlySorted,
                                    .count = static_cast<std::int32_t>(n),
                                    .seconds = 10 * options.maxSeconds - 1e-9,
                                    .counts = {pairs, pairs, n, 3 * pairs},
                                    .inOrder = false};
        const std::string heading = compare::TableHeading(layout);
        const std::string row = compare::TableRow(widest, layout);
        EXPECT_EQ(row.size(), heading.size() - std::string("  note").size()) << largest;
        // The seconds column ends at the same place in every line, "skipped" or a time.
        const auto& w = layout.widths;
        const std::size_t secondsEnd = w[0] + 2 + w[1] + 2 + w[2] + 2 + w[3];
        EXPECT_EQ(heading.substr(secondsEnd - 7, 8), "seconds ");
        EXPECT_EQ(row.substr(secondsEnd - 7, 8), ".000000 ");
        widest.skipped = 1e7;
        EXPECT_EQ(compare::TableRow(widest, layout).substr(secondsEnd - 7, 8), "skipped ");
    }
}

TEST(Report, AScriptsRowIsNamedAfterItsFileAndItsCsvQuotesWhatHoldsACommaOrAQuote)
{
    compare::Measurement failed{.method = {},
                                .order = sorting::InitialOrder::Random,
                                .count = 20,
                                .seconds = 0,
                                .counts = {},
                                .inOrder = false,
                                .script = "my,sort.py",
                                .failure = "line 3: ValueError: no \"x\", sorry"};
    EXPECT_EQ(compare::CsvRow(failed),
              "\"my,sort.py\",random,20,,,,,,,\"failed: line 3: ValueError: no \"\"x\"\", "
              "sorry\",,\n");
    compare::CompareOptions options = compare::ParseOptions({"--counts", "1000"});
    options.scripts.push_back({"a_rather_long_name_for_a_sort.py", ""});
    const compare::TableLayout layout = compare::LayoutFor(options);
    failed.script = "a_rather_long_name_for_a_sort.py";
    EXPECT_EQ(compare::TableRow(failed, layout).find("  random"), failed.script.size());
    EXPECT_NE(compare::TableRow(failed, layout).find(" failed  "), std::string::npos);
}

TEST(ChartTarget, RefusesAPlaceThatCannotTakeAChart)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    EXPECT_FALSE(compare::ChartTargetProblem((folder / "chart.svg").string()));
    EXPECT_FALSE(compare::ChartTargetProblem("relative.png"));
    const std::string quoted = std::string(1, '"').append(folder.string()).append(1, '"');
    const std::vector<std::pair<std::string, std::string>> refused{
        {"/no/such/folder/chart.svg", "there is no folder \"/no/such/folder\""},
        {folder.string(), quoted + " is a folder"},
        {"/proc/chart.svg", "cannot write in \"/proc\": "},
    };
    for (const auto& [path, reason] : refused) {
        const auto problem = compare::ChartTargetProblem(path);
        ASSERT_TRUE(problem) << path;
        EXPECT_EQ(problem->rfind(reason, 0), 0u) << *problem;
    }
}
