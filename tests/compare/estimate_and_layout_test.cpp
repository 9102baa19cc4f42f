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

TEST(Estimate, FitsTheConstantOfTheGrowthToEachOfTheLastTwoPoints)
{
    using sorting::kLinear, sorting::kLinearithmic, sorting::kQuadratic;
    struct Case {
        std::vector<TimedPoint> points;
        sorting::Growth slowest, fastest;
        std::int32_t count;
        compare::Estimate seconds;
    };
    const std::vector<Case> cases{
        {{{1000, 0.01}, {2000, 0.04}}, kQuadratic, kQuadratic, 20000, {4.0, 4.0}},
        {{{1000, 0.02}, {2000, 0.04}}, kQuadratic, kQuadratic, 4000, {0.16, 0.32}},  // the two disagree
        {{{1024, 0.01}}, kLinearithmic, kLinearithmic, 4096, {0.048, 0.048}},        // 4096 · 12 / (1024 · 10)
        {{{1000, 0.01}, {2000, 0.02}}, kLinear, kQuadratic, 4000, {0.04, 0.16}},     // a script's
        {{{500, 1.0}, {1000, 0.01}, {2000, 0.04}}, kQuadratic, kQuadratic, 20000, {4.0, 4.0}},     // the last two
        {{{2000, 0.04}, {1000, 0.01}, {40000, 99}}, kQuadratic, kQuadratic, 20000, {4.0, 4.0}},    // up to the count
        {{{1000, 0.01}, {2000, 0.02}, {2000, 0.04}}, kQuadratic, kQuadratic, 4000, {0.16, 0.16}},  // the later
        {{{1000, 0.04}, {2000, 0.0}}, kQuadratic, kQuadratic, 4000, {0.64, 0.64}},  // timed at zero: nothing
        {{{2000, 0.5}}, kQuadratic, kQuadratic, 2000, {0.5, 0.5}},                  // measured at the count
        {{}, kQuadratic, kQuadratic, 3000, {0, 0}},
    };
    for (const Case& c : cases) {
        const compare::Estimate e = compare::EstimateSeconds(c.points, c.slowest, c.fastest, c.count);
        EXPECT_NEAR(e.low, c.seconds.low, 1e-9) << c.count;
        EXPECT_NEAR(e.high, c.seconds.high, 1e-9) << c.count;
    }
}

TEST(Estimate, HoldsWithinAFactorOfThreeOfTheTruthFromNoisyCalibrations)
{
    // Two calibration runs at 20 and 40 thousand items, each slowed by other work or read a
    // little fast, and the run 16 times further out.
    const std::vector<std::pair<double, double>> noise{{1, 1}, {2.5, 1}, {1, 2.5}, {2.5, 2.5}, {0.8, 2}, {2, 0.8}};
    for (sorting::Growth growth :
         {sorting::kLinear, sorting::kLinearithmic, sorting::kShellGrowth, sorting::kQuadratic})
        for (const auto& [first, second] : noise) {
            const auto truth = [&](double n) { return 1e-8 * growth.At(n); };
            const std::vector<TimedPoint> points{{20000, truth(20000) * first}, {40000, truth(40000) * second}};
            const double likely = compare::EstimateSeconds(points, growth, 640000).Likely();
            EXPECT_LT(likely, 3 * truth(640000)) << growth.name << " " << first << " " << second;
            EXPECT_GT(likely, truth(640000) / 3) << growth.name << " " << first << " " << second;
        }
}

TEST(Estimate, SaysADurationAsAPersonWould)
{
    const std::vector<std::pair<compare::Estimate, std::string>> cases{
        {{0.2, 0.2}, "under a second"},      {{1, 1}, "about 1 second"},         {{40, 40}, "about 40 seconds"},
        {{300, 300}, "about 5 minutes"},     {{3600, 3600}, "about 60 minutes"}, {{111600, 111600}, "about 31 hours"},
        {{260000, 260000}, "about 3 days"},  {{1e9, 1e9}, "about 32 years"},     {{180, 300}, "about 3 to 5 minutes"},
        {{50, 120}, "about 1 to 2 minutes"}, {{290, 310}, "about 5 minutes"},    {{0.4, 3}, "about 1 to 3 seconds"},
        {{0.2, 0.6}, "under a second"}};
    for (const auto& [seconds, words] : cases) EXPECT_EQ(compare::AboutDuration(seconds), words) << seconds.high;
}

// A machine whose sorts take exactly as long as their growth says, each run slowed by up to
// three times by other work: no sort runs, and the clock moves by what the run would take.
namespace busy_machine {

double now = 0;
unsigned noise = 1;

double Clock() { return now; }

void Sort(sorting::SortMethod method, sorting::Items items, compare::CountingRun* counting)
{
    noise = noise * 1103515245u + 12345u;
    const double slowed = 1 + 2 * double((noise >> 16) % 1000) / 1000;
    const double n = double(items.size() - 1);
    // Each method's row takes 10 s at 400,000 random items: 2.5 s, and its counting run three
    // times that.
    const sorting::Growth growth = sorting::WorkGrowth(method, sorting::InitialOrder::Random);
    now += 2.5 * growth.At(n) / growth.At(400000) * slowed * (counting ? 3 : 1);
}

}  // namespace busy_machine

TEST(Comparison, ARunWithinTheLimitIsNeverSkippedOnABusyMachine)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        busy_machine::noise = seed;
        const compare::CompareOptions options =
            compare::ParseOptions({"--counts", "400000", "--max-seconds", "40", "--repeat", "1", "--seed", "1"});
        for (const compare::Measurement& row :
             compare::Comparison(options, busy_machine::Clock, busy_machine::Sort).Run())
            EXPECT_TRUE(row.Made()) << sorting::MethodName(*row.lane.Method()) << " " << seed;
    }
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
    EXPECT_GT(rows[1].skipped->low, 3600);
    EXPECT_GT(rows[2].skipped->low, 3 * rows[1].skipped->low);
    EXPECT_FALSE(rows[1].overBudget);
}

TEST(Report, TheTableHoldsTheLargestFiguresAnyRunOfTheOptionsCanGive)
{
    for (const char* largest : {"1000", "2147483647"}) {
        const compare::CompareOptions options = compare::ParseOptions({"--counts", largest});
        const compare::TableLayout layout = compare::LayoutFor(options);
        const std::int64_t n = std::stoll(largest), pairs = n * (n - 1) / 2 + n;
        compare::Measurement widest{.lane = sorting::SortMethod::Insertion,
                                    .order = sorting::InitialOrder::NearlySorted,
                                    .count = static_cast<std::int32_t>(n),
                                    .seconds = 10 * options.maxSeconds - 1e-9,
                                    .counts = {pairs, pairs, n, 3 * pairs},
                                    .inOrder = false};
        const std::string heading = compare::TableHeading(layout);
        const std::string row = compare::TableRow(widest, layout);
        EXPECT_EQ(row.size(), heading.size()) << largest;
        // The seconds column ends at the same place in every line, "skipped" or a time.
        const auto& w = layout.widths;
        const std::size_t secondsEnd = w[0] + 2 + w[1] + 1 + w[2] + 1 + w[3];
        EXPECT_EQ(heading.substr(secondsEnd - 7, 8), "seconds ");
        EXPECT_EQ(row.substr(secondsEnd - 7, 8), ".000000 ");
        widest.skipped = compare::Estimate{1e7, 1e7};
        EXPECT_EQ(compare::TableRow(widest, layout).substr(secondsEnd - 7, 8), "skipped ");
    }
}

TEST(Report, AScriptsRowIsNamedAfterItsFileAndItsCsvQuotesWhatHoldsACommaOrAQuote)
{
    compare::Measurement failed{.lane = script::LaneSource({"my,sort.py", ""}),
                                .order = sorting::InitialOrder::Random,
                                .count = 20,
                                .seconds = 0,
                                .counts = {},
                                .inOrder = false,
                                .failure = "line 3: ValueError: no \"x\", sorry"};
    EXPECT_EQ(compare::CsvRow(failed),
              "\"my,sort.py\",random,20,,,,,,,\"failed: line 3: ValueError: no \"\"x\"\", "
              "sorry\",,\n");
    // Seconds too large to write leave their cell empty, not the row unclosed.
    compare::Measurement huge = failed;
    huge.failure.reset();
    huge.seconds = -1e308;
    compare::Measurement usual = huge;
    usual.seconds = 0.5;
    const std::string row = compare::CsvRow(huge), usualRow = compare::CsvRow(usual);
    EXPECT_EQ(std::count(row.begin(), row.end(), ','), std::count(usualRow.begin(), usualRow.end(), ','));
    EXPECT_EQ(row.rfind("\"my,sort.py\",random,20,,", 0), 0u) << row;
    compare::CompareOptions options = compare::ParseOptions({"--counts", "1000"});
    options.scripts.push_back({"a_rather_long_name_for_a_sort.py", ""});
    const compare::TableLayout layout = compare::LayoutFor(options);
    failed.lane = script::LaneSource(options.scripts.back());
    EXPECT_EQ(compare::TableRow(failed, layout).find("  random"), options.scripts.back().name.size());
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
