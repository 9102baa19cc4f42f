#include "compare/compare_options.h"
#include "compare/comparison.h"
#include "compare/report.h"
#include "platform/memory_check.h"
#include "platform/monotonic_clock.h"
#include "platform/run_time_error.h"
#include "sorting/counting_observer.h"
#include "sorting/initial_order.h"
#include "sorting/sort_method.h"

#include "support/fixed_gauge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

using compare::CompareOptions;
using compare::ParseOptions;
using compare::UsageError;
using sorting::OrderName;
using sorting::SortMethod;
using testing_support::FixedGauge;

namespace {

std::vector<float> RandomItems(int n, unsigned seed, int distinct)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> pick(0, distinct - 1);
    std::vector<float> items(static_cast<std::size_t>(n) + 1);
    for (std::size_t i = 1; i < items.size(); ++i) items[i] = static_cast<float>(pick(engine)) / distinct;
    return items;
}

std::int64_t Inversions(const std::vector<float>& a)
{
    std::int64_t count = 0;
    for (std::size_t i = 1; i < a.size(); ++i)
        for (std::size_t j = i + 1; j < a.size(); ++j) count += a[i] > a[j];
    return count;
}

sorting::SortCounts Counted(SortMethod method, std::vector<float> items)
{
    sorting::CountingObserver counter;
    sorting::Sort(method, items, counter);
    return counter.counts;
}

std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::stringstream cells(line);
        for (std::string field; std::getline(cells, field, ',');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

}  // namespace

class CountsFollowTheFormulas : public testing::TestWithParam<int> {};

TEST_P(CountsFollowTheFormulas, ForEachMethod)
{
    const std::int64_t n = GetParam();
    for (int distinct : {5, 1 << 20}) {
        const std::vector<float> items = RandomItems(GetParam(), 17, distinct);
        const std::int64_t inversions = Inversions(items);

        const auto bubble = Counted(SortMethod::Bubble, items);
        EXPECT_EQ(bubble.comparisons, n * (n - 1) / 2);
        EXPECT_EQ(bubble.exchanges, inversions);
        EXPECT_EQ(bubble.moves, 3 * inversions);

        const auto selection = Counted(SortMethod::Selection, items);
        EXPECT_EQ(selection.exchanges, std::max<std::int64_t>(n - 1, 0));
        EXPECT_EQ(selection.comparisons, n * (n - 1) / 2);

        const auto insertion = Counted(SortMethod::Insertion, items);
        EXPECT_EQ(insertion.exchanges, inversions);

        const auto merge = Counted(SortMethod::Merge, items);
        EXPECT_EQ(merge.merges, std::max<std::int64_t>(n - 1, 0));
        EXPECT_EQ(merge.exchanges, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CountsFollowTheFormulas, testing::Values(0, 1, 2, 3, 10, 100, 333));

TEST(CompareOptions, DefaultsToAllMethodsDoublingFromFiveHundredToAMillion)
{
    const CompareOptions options = ParseOptions({});
    EXPECT_EQ(options.methods.size(), sorting::kAllMethods.size());
    EXPECT_EQ(options.counts.front(), 500);
    EXPECT_EQ(options.counts.back(), 1024000);
    EXPECT_EQ(options.counts.size(), 12u);
    EXPECT_EQ(options.budgetSeconds, 1.0);
    EXPECT_EQ(options.maxSeconds, 60.0);
    EXPECT_FALSE(options.repeatGiven);
    EXPECT_FALSE(options.seed);
}

TEST(CompareOptions, ReadsEveryOption)
{
    const CompareOptions options = ParseOptions({"--methods", "Merge,bubble", "--counts", "500,100,500", "--seed", "7",
                                                 "--budget", "0.5", "--repeat", "2", "--csv", "--chart", "out.svg"});
    EXPECT_EQ(options.methods, (std::vector<SortMethod>{SortMethod::Merge, SortMethod::Bubble}));
    EXPECT_EQ(options.counts, (std::vector<std::int32_t>{100, 500}));
    EXPECT_EQ(options.seed, "7");
    EXPECT_EQ(options.budgetSeconds, 0.5);
    EXPECT_EQ(options.repeat, 2);
    EXPECT_TRUE(options.csv);
    EXPECT_EQ(options.chartPath, "out.svg");
    EXPECT_EQ(ParseOptions({"--from", "3", "--to", "20"}).counts, (std::vector<std::int32_t>{3, 6, 12}));
    EXPECT_EQ(ParseOptions({"--from", "3", "--to", "12"}).counts, (std::vector<std::int32_t>{3, 6, 12}));
    EXPECT_EQ(ParseOptions({"--from", "700", "--to", "700"}).counts, std::vector<std::int32_t>{700});
}

TEST(CompareOptions, RefusesWhatItCannotFollow)
{
    const std::vector<std::vector<std::string>> bad{{"--methods", "quick,bogo"},
                                                    {"--counts", "10,x"},
                                                    {"--counts", "0"},
                                                    {"--from", "10", "--to", "5"},
                                                    {"--budget", "-1"},
                                                    {"--repeat", "0"},
                                                    {"--chart", "out.gif"},
                                                    {"--counts", "5", "--from", "2"},
                                                    {"--seed"},
                                                    {"--seed", "1e400"},
                                                    {"--frobnicate"},
                                                    {"--counts", "3000000000"}};
    for (const auto& arguments : bad) EXPECT_THROW(ParseOptions(arguments), UsageError) << arguments.front();
}

TEST(Comparison, SaysNoWhereASortLeavesItsItemsOutOfOrder)
{
    // A sort that fails in its timed runs, or in its counting run alone.
    const auto reversesTimed = [](SortMethod m, sorting::Items items, compare::CountingRun* counter) {
        compare::Comparison::TableSort(m, items, counter);
        if (!counter) std::reverse(items.begin() + 1, items.end());
    };
    const auto reversesCounted = [](SortMethod m, sorting::Items items, compare::CountingRun* counter) {
        compare::Comparison::TableSort(m, items, counter);
        if (counter) std::reverse(items.begin() + 1, items.end());
    };
    const CompareOptions options = ParseOptions({"--methods", "merge", "--counts", "50", "--seed", "1"});
    for (compare::Comparison::SortRun sort : {+reversesTimed, +reversesCounted}) {
        const auto rows = compare::Comparison(options, platform::Timer, sort).Run();
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_FALSE(rows[0].inOrder);
        EXPECT_NE(compare::CsvRow(rows[0]).find(",NO,"), std::string::npos);
    }
    EXPECT_TRUE(compare::Comparison(options, platform::Timer).Run()[0].inOrder);
}

TEST(Comparison, SaysWhetherEqualItemsKeptTheirOrderAsTheMethodTableDoes)
{
    for (const char* order : {"few-unique", "sorted"}) {
        const auto rows =
            compare::Comparison(ParseOptions({"--orders", order, "--counts", "200", "--seed", "1"}), platform::Timer)
                .Run();
        ASSERT_EQ(rows.size(), sorting::kAllMethods.size());
        for (const auto& m : rows) {
            const std::optional<bool> expected =
                std::string(order) == "sorted" ? std::nullopt : std::optional(sorting::Facts(*m.lane.Method()).stable);
            EXPECT_EQ(m.stable, expected) << sorting::MethodName(*m.lane.Method()) << " on " << order;
        }
    }
}

TEST(Comparison, TheBudgetStopsASeriesWithASkippedRowButNeverCountsGivenOneByOne)
{
    struct Case {
        std::vector<std::string> counts;
        double budget;
        std::vector<std::int32_t> eachMethod;  // the counts of each method's rows
        std::size_t made;                      // of them
    };
    const std::vector<Case> cases{
        {{"--from", "50", "--to", "200"}, 1e-12, {50, 100}, 1},  // every run is longer
        {{"--counts", "50,100,200"}, 1e-12, {50, 100, 200}, 3},
        {{"--from", "50", "--to", "200"}, 100, {50, 100, 200}, 3},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"--seed", "1", "--repeat", "1"};
        arguments.insert(arguments.end(), c.counts.begin(), c.counts.end());
        CompareOptions options = ParseOptions(arguments);
        options.budgetSeconds = c.budget;
        const auto rows = compare::Comparison(options, platform::Timer).Run();
        ASSERT_EQ(rows.size(), sorting::kAllMethods.size() * c.eachMethod.size()) << c.counts[1];
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const auto& m = rows[r];
            EXPECT_EQ(m.lane, sorting::kAllMethods[r / c.eachMethod.size()]);
            EXPECT_EQ(m.count, c.eachMethod[r % c.eachMethod.size()]);
            EXPECT_EQ(m.Made(), r % c.eachMethod.size() < c.made);
            if (!m.Made()) {
                ASSERT_TRUE(m.overBudget) << "a skipped row says why";
                EXPECT_EQ(m.overBudget->count, 50);
                EXPECT_NE(compare::CsvRow(m).find("skipped: budget spent: "), std::string::npos);
            }
            EXPECT_TRUE(!m.Made() || m.inOrder);
        }
    }
}

TEST(Comparison, EveryMethodMeetsTheSameItemsAndAFixedSeedRepeats)
{
    const CompareOptions options = ParseOptions({"--counts", "300", "--seed", "42", "--repeat", "1"});
    const auto first = compare::Comparison(options, platform::Timer).Run();
    const auto second = compare::Comparison(options, platform::Timer).Run();
    // Insertion and bubble make one exchange per inversion of the same items.
    EXPECT_EQ(first[1].counts.exchanges, first[2].counts.exchanges);
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].counts.comparisons, second[i].counts.comparisons);
}

TEST(Comparison, ReportsEachRunBeforeItStartsAndEachRowWhenDone)
{
    struct Heard : compare::ComparisonListener {
        std::vector<std::string> said;
        void RunStarting(const compare::RunPlan& plan) override
        {
            said.push_back(std::string(sorting::MethodName(*plan.lane.Method())) + " " + std::to_string(plan.count));
        }
        void PassStarting(int pass) override { said.push_back(std::to_string(pass)); }
        void RowDone(const compare::Measurement& row) override { said.push_back("row " + std::to_string(row.count)); }
    } heard;
    const CompareOptions options = ParseOptions({"--methods", "merge,bubble", "--counts", "10,20", "--repeat", "2"});
    const auto rows = compare::Comparison(options, platform::Timer).Run(heard);
    EXPECT_EQ(heard.said,
              (std::vector<std::string>{"Merge 10",  "1", "2", "0", "row 10", "Merge 20",  "1", "2", "0", "row 20",
                                        "Bubble 10", "1", "2", "0", "row 10", "Bubble 20", "1", "2", "0", "row 20"}));
    EXPECT_EQ(rows.size(), 4u);
}

TEST(Report, CsvParsesBackToTheTablesNumbers)
{
    const CompareOptions options = ParseOptions({"--counts", "64,100", "--seed", "3", "--repeat", "1", "--wide"});
    const auto measurements = compare::Comparison(options, platform::Timer).Run();
    std::string csvText = compare::CsvHeading(), tableText;
    for (const auto& m : measurements) {
        csvText += compare::CsvRow(m);
        tableText += compare::TableRow(m, compare::LayoutFor(options));
    }
    const auto csv = ParseCsv(csvText);
    ASSERT_EQ(csv.size(), measurements.size() + 1);
    EXPECT_EQ(csv[0], (std::vector<std::string>{"method", "order", "count", "seconds", "comparisons", "exchanges",
                                                "merges", "moves", "in order", "note", "reads", "stable"}));

    std::stringstream table(tableText);
    for (std::size_t i = 0; i < measurements.size(); ++i) {
        const auto& m = measurements[i];
        const auto& row = csv[i + 1];
        ASSERT_EQ(row.size(), 12u);
        EXPECT_EQ(row[9], "") << "no note";
        EXPECT_EQ(row[0], sorting::MethodName(*m.lane.Method()));
        EXPECT_EQ(row[1], sorting::OrderName(m.order));
        EXPECT_EQ(std::stoi(row[2]), m.count);
        EXPECT_NEAR(std::stod(row[3]), m.seconds, 1e-9);
        EXPECT_EQ(std::stoll(row[4]), m.counts.comparisons);
        EXPECT_EQ(std::stoll(row[5]), m.counts.exchanges);
        EXPECT_EQ(std::stoll(row[6]), m.counts.merges);
        EXPECT_EQ(std::stoll(row[7]), m.counts.moves);
        EXPECT_EQ(row[8], "yes");
        EXPECT_EQ(std::stoll(row[10]), m.counts.reads);

        // A method's name may hold a blank: the table's line begins with it.
        std::string line;
        std::getline(table, line);
        ASSERT_EQ(line.rfind(row[0], 0), 0u);
        std::stringstream rest(line.substr(row[0].size()));
        std::string order, count, seconds, comparisons, exchanges, merges, moves, verdict, reads, stable;
        rest >> order >> count >> seconds >> comparisons >> exchanges >> merges >> moves >> verdict >> reads >> stable;
        EXPECT_EQ((std::vector<std::string>{order, count, comparisons, exchanges, merges, moves, reads, stable}),
                  (std::vector<std::string>{row[1], row[2], row[4], row[5], row[6], row[7], row[10], row[11]}));
        EXPECT_NEAR(std::stod(seconds), m.seconds, 1e-6);
        EXPECT_EQ(verdict, "yes");
    }
}

TEST(Comparison, ACountThatCannotBeHeldIsRefusedBeforeAnyRun)
{
    const std::int32_t count = 100'000'000;
    // The items, the copy each run sorts and the origins its counting run follows, and on top
    // the most any method asked for needs: merge sort's scratch, quick sort's waiting parts at
    // their worst, bucket sort's scratch and buckets.
    const std::uint64_t items = sorting::ItemsBytes(count), origins = sorting::Origins::Bytes(count);
    const std::vector<std::pair<std::string, std::uint64_t>> cases{
        {"bubble,selection", 2 * items + origins},
        {"bubble,merge", 3 * items + origins},
        {"heap,quick", 2 * items + origins + sorting::QuickStackBytes(count)},
        {"radix,bucket", 2 * items + origins + sorting::BucketBytes(count)},
    };
    for (const auto& [methods, needed] : cases) {
        compare::Comparison comparison(ParseOptions({"--methods", methods, "--counts", "10," + std::to_string(count)}),
                                       platform::Timer);
        FixedGauge gauge;
        gauge.bytes = platform::WithMargin(needed);
        EXPECT_NO_THROW(comparison.RequireMemory(gauge)) << methods;
        *gauge.bytes -= 1;
        EXPECT_THROW(comparison.RequireMemory(gauge), platform::RunTimeError) << methods;
    }
}

// The counts of each method on each initial order, exactly.
class CountsOnEachOrder : public testing::TestWithParam<sorting::InitialOrder> {};

TEST_P(CountsOnEachOrder, FollowTheirFormulas)
{
    for (const std::int64_t n : {1, 2, 3, 10, 64, 1000}) {
        const std::vector<float> items = sorting::MakeItems(static_cast<std::int32_t>(n), 9, GetParam());
        const std::int64_t pairs = n * (n - 1) / 2;
        const std::int64_t inversions = Inversions(items);
        EXPECT_EQ(Counted(SortMethod::Selection, items).exchanges, n - 1);
        EXPECT_EQ(Counted(SortMethod::Selection, items).comparisons, pairs);
        EXPECT_EQ(Counted(SortMethod::Merge, items).merges, n - 1);
        const auto bubble = Counted(SortMethod::Bubble, items);
        const auto insertion = Counted(SortMethod::Insertion, items);
        EXPECT_EQ(bubble.comparisons, pairs);
        EXPECT_EQ(bubble.exchanges, inversions);
        EXPECT_EQ(insertion.exchanges, inversions);
        switch (GetParam()) {
            case sorting::InitialOrder::Sorted:
                EXPECT_EQ(insertion.comparisons, n - 1) << n;
                EXPECT_EQ(insertion.exchanges, 0);
                EXPECT_EQ(bubble.exchanges, 0);
                break;
            case sorting::InitialOrder::Reversed:
                EXPECT_EQ(insertion.exchanges, pairs) << n;
                EXPECT_EQ(bubble.exchanges, pairs) << n;
                break;
            default:
                break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Orders, CountsOnEachOrder, testing::ValuesIn(sorting::kInitialOrders), [](const auto& info) {
    std::string name(sorting::OrderName(info.param));
    std::erase(name, '-');
    return name;
});

TEST(MergeCounts, EachMergeMovesItsRangeOutAndBack)
{
    // 10 items: merges of 2, 2, 2, 2, 2, then 4, 4, then 8, then 10 items.
    const std::vector<std::pair<std::int32_t, std::int64_t>> cases{{2, 4}, {3, 10}, {10, 72}, {1024, 2 * 1024 * 10}};
    for (const auto& [n, moves] : cases)
        EXPECT_EQ(Counted(SortMethod::Merge, sorting::MakeItems(n, 1, sorting::InitialOrder::Random)).moves, moves)
            << n;
}

TEST(CompareOptions, ReadsTheInitialOrders)
{
    EXPECT_EQ(ParseOptions({}).orders, std::vector{sorting::InitialOrder::Random});
    EXPECT_EQ(ParseOptions({"--orders", "all"}).orders,
              std::vector(sorting::kInitialOrders.begin(), sorting::kInitialOrders.end()));
    EXPECT_EQ(ParseOptions({"--orders", "reversed,nearly-sorted,reversed"}).orders,
              (std::vector{sorting::InitialOrder::Reversed, sorting::InitialOrder::NearlySorted}));
    EXPECT_THROW(ParseOptions({"--orders", "shuffled"}), UsageError);
    EXPECT_THROW(ParseOptions({"--orders", ""}), UsageError);
    const std::string usage = compare::UsageText("sorting-compare");
    for (sorting::InitialOrder order : sorting::kInitialOrders)
        EXPECT_NE(usage.find("    " + std::string(sorting::OrderName(order)) + " "), std::string::npos);
}

TEST(Comparison, RowsGoByMethodThenOrderThenCountAndTheBudgetHoldsForEach)
{
    CompareOptions options = ParseOptions({"--methods", "insertion,merge", "--orders", "reversed,sorted", "--from",
                                           "40", "--to", "80", "--seed", "2", "--repeat", "1"});
    options.budgetSeconds = 100;
    const auto rows = compare::Comparison(options, platform::Timer).Run();
    std::vector<std::string> keys;
    for (const auto& m : rows)
        keys.push_back(std::string(sorting::MethodName(*m.lane.Method())) + " " + std::string(sorting::OrderName(m.order)) +
                       " " + std::to_string(m.count));
    EXPECT_EQ(keys, (std::vector<std::string>{"Insertion reversed 40", "Insertion reversed 80", "Insertion sorted 40",
                                              "Insertion sorted 80", "Merge reversed 40", "Merge reversed 80",
                                              "Merge sorted 40", "Merge sorted 80"}));
    EXPECT_EQ(rows[0].counts.exchanges, 40 * 39 / 2);
    EXPECT_EQ(rows[2].counts.exchanges, 0);

    options.budgetSeconds = 1e-12;  // every run is longer: each method stops on each order
    const auto stopped = compare::Comparison(options, platform::Timer).Run();
    ASSERT_EQ(stopped.size(), 8u);
    for (std::size_t r = 0; r < stopped.size(); ++r) EXPECT_EQ(stopped[r].Made(), r % 2 == 0);
}

TEST(CompareOptions, NamesEveryMethodAndRefusesAnUnknownOneByName)
{
    EXPECT_EQ(ParseOptions({"--methods", "all"}).methods,
              std::vector(sorting::kAllMethods.begin(), sorting::kAllMethods.end()));
    EXPECT_EQ(ParseOptions({"--methods", "Quick,heap,SHELL,heap, three-way-quick"}).methods,
              (std::vector{SortMethod::Quick, SortMethod::Heap, SortMethod::Shell, SortMethod::ThreeWayQuick}));
    try {
        ParseOptions({"--methods", "merge,timsort"});
        FAIL() << "an unknown method is taken";
    } catch (const UsageError& error) {
        std::string keys;
        for (SortMethod method : sorting::kAllMethods) keys += std::string(sorting::MethodKey(method)) + ", ";
        EXPECT_EQ(error.what(), "unknown method \"timsort\" (choose from " + keys + "or all)");
    }
}

TEST(Comparison, TheCompanionMethodsOnEveryOrderGiveTheirExactCounts)
{
    const std::vector<std::string> groups{"shell,heap,quick",
                                          "median-quick,three-way-quick,intro,natural-merge,radix,bucket"};
    for (const std::string& methods : groups) {
        const CompareOptions options = ParseOptions(
            {"--methods", methods, "--orders", "all", "--counts", "500", "--seed", "3", "--repeat", "1", "--csv"});
        const auto rows = compare::Comparison(options, platform::Timer).Run();
        ASSERT_EQ(rows.size(), 5 * options.methods.size());
        for (const auto& m : rows) {
            const std::vector<float> items = sorting::MakeItems(500, 3, m.order);
            const auto counts = Counted(*m.lane.Method(), items);
            const std::string what = std::string(sorting::MethodName(*m.lane.Method())) + " " + std::string(OrderName(m.order));
            EXPECT_EQ(m.counts.comparisons, counts.comparisons) << what;
            EXPECT_EQ(m.counts.exchanges, counts.exchanges) << what;
            EXPECT_EQ(m.counts.merges, counts.merges) << what;
            EXPECT_EQ(m.counts.moves, counts.moves) << what;
            EXPECT_EQ(m.counts.reads, counts.reads) << what;
            EXPECT_TRUE(m.inOrder);
            if (m.order == sorting::InitialOrder::Sorted && *m.lane.Method() == SortMethod::Quick) {
                EXPECT_EQ(m.counts.comparisons, 500 * 499 / 2);
                EXPECT_EQ(m.counts.exchanges, 0);
            }
            if (m.order == sorting::InitialOrder::Sorted && *m.lane.Method() == SortMethod::Shell) {
                EXPECT_EQ(m.counts.exchanges, 0);
            }
        }
        EXPECT_EQ(ParseCsv(compare::CsvRow(rows[0]))[0][0], sorting::MethodName(options.methods[0]));
    }
}
