#include "compare/comparison.h"

#include "platform/format_number.h"
#include "platform/words.h"
#include "platform/memory_check.h"
#include "platform/random_generator.h"
#include "platform/val.h"
#include "script/script_process.h"
#include "sorting/initial_order.h"
#include "sorting/order_check.h"

#include <algorithm>
#include <limits>

namespace compare {
namespace {

// The calibration doubles its count from this one, up to the count asked for, until a timed run
// takes long enough to be timed well: the growth between two shorter runs is mostly noise,
// which a far estimate multiplies. The run before it checks the fit.
constexpr std::int32_t kFirstCalibrationCount = 256;
constexpr double kCalibratedSeconds = 0.020;
// An estimate reaches at most this far beyond the largest count measured: further, the items
// may outgrow a cache, and a small error grows with the distance.
constexpr std::int32_t kFarthestReach = 16;

}  // namespace

// Without a seed, one from the clock serves the whole comparison, so that every method still
// meets the same items at each count.
Comparison::Comparison(CompareOptions options, Clock clock, SortRun sort)
    : options_(std::move(options)),
      clock_(clock),
      sort_(sort),
      seed_(options_.seed ? platform::Val(*options_.seed) : platform::ClockSeed())
{
}

void Comparison::TableSort(sorting::SortMethod method, sorting::Items items, CountingRun* counting)
{
    sorting::NoObserver plain;
    counting ? sorting::Sort(method, items, *counting) : sorting::Sort(method, items, plain);
}

void Comparison::RequireMemory(const platform::MemoryGauge& memory) const
{
    if (options_.counts.empty()) return;
    const std::int32_t largest = options_.counts.back();
    std::uint64_t extra = 0;
    for (sorting::SortMethod method : options_.methods) extra = std::max(extra, sorting::ExtraBytes(method, largest));
    // The counting run follows the items' origins too.
    const std::uint64_t bytes = 2 * sorting::ItemsBytes(largest) + extra + sorting::Origins::Bytes(largest);
    platform::RequireMemory(bytes, largest, memory, platform::RegionalNumberFormat());
}

namespace {

// A series of calibration runs ends once two of its points stand and the last took long enough.
bool WellTimed(const std::vector<TimedPoint>& points)
{
    return points.size() >= 2 && points.back().seconds >= kCalibratedSeconds;
}

Measurement Blank(const RunPlan& plan)
{
    return {.lane = plan.lane,
            .order = plan.order,
            .count = plan.count,
            .seconds = std::numeric_limits<double>::infinity(),
            .counts = {},
            .inOrder = true};
}

}  // namespace

void Comparison::Calibrate(const RunPlan& plan, Growth& growth, Series series) const
{
    ComparisonListener nobody;
    const std::vector<float> items = sorting::MakeItems(plan.count, seed_, plan.order);
    Measurement m = Blank(plan);
    if (series.timed) {
        Time(plan, items, nobody, m);
        growth.timed.push_back({plan.count, m.seconds});
    }
    if (series.counting) {
        Count(plan, items, m);
        growth.counting.push_back({plan.count, m.countingSeconds});
    }
}

Comparison::Growth Comparison::Calibrated(sorting::SortMethod method, sorting::InitialOrder order,
                                          std::int32_t target) const
{
    Growth growth;
    // The counting run, slower, is often timed well at a smaller count than the timed runs.
    for (std::int64_t count = std::min(kFirstCalibrationCount, target);;
         count = std::min<std::int64_t>(2 * count, target)) {
        Calibrate({method, order, static_cast<std::int32_t>(count), 2, {}}, growth,
                  {!WellTimed(growth.timed), !WellTimed(growth.counting)});
        if (count == target || (WellTimed(growth.timed) && WellTimed(growth.counting))) return growth;
    }
}

RunPlan Comparison::Plan(sorting::SortMethod method, sorting::InitialOrder order, std::int32_t count,
                         Growth& growth) const
{
    const sorting::Growth law = sorting::WorkGrowth(method, order);
    for (;;) {
        const Estimate timed = EstimateSeconds(growth.timed, law, count);
        const int repeats = !options_.repeatGiven && timed.Likely() > kRepeatLimitSeconds ? 1 : options_.repeat;
        const RunPlan plan{method, order, count, repeats,
                           timed * repeats + EstimateSeconds(growth.counting, law, count)};
        // Too far to say, unless even its low end is over the limit: measured nearer first.
        const std::int64_t timedLargest = LargestCount(growth.timed), countingLargest = LargestCount(growth.counting);
        const Series far{timedLargest * kFarthestReach < count, countingLargest * kFarthestReach < count};
        if (!(far.timed || far.counting) || plan.estimate.low > options_.maxSeconds) return plan;
        const std::int64_t nearest = far.timed && far.counting ? std::min(timedLargest, countingLargest)
                                     : far.timed               ? timedLargest
                                                               : countingLargest;
        Calibrate({method, order, static_cast<std::int32_t>(std::min<std::int64_t>(4 * nearest, count)), 2, {}}, growth,
                  far);
    }
}

void Comparison::Time(const RunPlan& plan, const std::vector<float>& items, ComparisonListener& listener,
                      Measurement& result) const
{
    std::vector<float> work;
    for (int pass = 1; pass <= plan.repeats; ++pass) {
        listener.PassStarting(pass);
        work = items;
        const double start = clock_();
        sort_(*plan.lane.Method(), work, nullptr);
        const double seconds = clock_() - start;
        result.seconds = std::min(result.seconds, seconds);
        result.inOrder = result.inOrder && !sorting::FirstOutOfOrder(work, 1);
        if (!options_.repeatGiven && seconds > kRepeatLimitSeconds) break;
    }
}

void Comparison::Count(const RunPlan& plan, const std::vector<float>& items, Measurement& result) const
{
    std::vector<float> work = items;
    CountingRun counting(work.size());
    const double start = clock_();
    sort_(*plan.lane.Method(), work, &counting);
    result.countingSeconds = clock_() - start;
    result.counts = counting.counts;
    result.stable = counting.origins.KeptOrderOfEquals(work);
    result.inOrder = result.inOrder && !sorting::FirstOutOfOrder(work, 1);
}

Measurement Comparison::Measure(const RunPlan& plan, const std::vector<float>& items,
                                ComparisonListener& listener) const
{
    Measurement result = Blank(plan);
    const double begun = clock_();
    Time(plan, items, listener, result);
    // Counting runs apart, so that it never inflates a time.
    listener.PassStarting(0);
    Count(plan, items, result);
    result.wholeSeconds = clock_() - begun;
    return result;
}

namespace {

Measurement SkippedRow(const RunPlan& plan, std::optional<TimedPoint> overBudget = std::nullopt)
{
    return {.lane = plan.lane,
            .order = plan.order,
            .count = plan.count,
            .seconds = 0,
            .counts = {},
            .inOrder = false,
            .skipped = plan.estimate,
            .overBudget = overBudget};
}

// A script may make many more steps than the race shows: its time is what limits it here.
constexpr std::uint64_t kComparisonScriptSteps = 200'000'000;

// The steps of a row's work, as the race counts them.
double Steps(const Measurement& m) { return double(m.counts.comparisons + m.counts.moves + m.counts.reads); }

// How many times its work grew since the same method's row at half its count, where one was made.
std::optional<double> GrowthFrom(const std::vector<Measurement>& rows, const Measurement& row)
{
    for (auto earlier = rows.rbegin(); earlier != rows.rend(); ++earlier)
        if (earlier->Made() && earlier->lane == row.lane && earlier->order == row.order && 2 * std::int64_t(earlier->count) == row.count && Steps(*earlier) > 0)
            return Steps(row) / Steps(*earlier);
    return std::nullopt;
}

// The row added to the rows, with its growth, and said to the listener.
void Add(std::vector<Measurement>& rows, Measurement row, ComparisonListener& listener)
{
    if (row.Made()) row.growth = GrowthFrom(rows, row);
    rows.push_back(std::move(row));
    listener.RowDone(rows.back());
}

}  // namespace

void Comparison::RunCounts(sorting::SortMethod method, sorting::InitialOrder order, std::vector<Measurement>& rows,
                           ComparisonListener& listener) const
{
    const auto add = [&](Measurement row) { Add(rows, std::move(row), listener); };
    const bool series = !options_.countsListed;
    if (options_.counts.empty()) return;
    Growth growth = Calibrated(method, order, options_.counts.front());
    for (std::size_t c = 0; c < options_.counts.size(); ++c) {
        const RunPlan plan = Plan(method, order, options_.counts[c], growth);
        if (plan.estimate.low > options_.maxSeconds) {
            add(SkippedRow(plan));
            if (series) return;
            continue;
        }
        listener.RunStarting(plan);
        add(Measure(plan, sorting::MakeItems(plan.count, seed_, order), listener));
        const Measurement& made = rows.back();
        growth.timed.push_back({plan.count, made.seconds});
        growth.counting.push_back({plan.count, made.countingSeconds});
        if (series && made.wholeSeconds > options_.budgetSeconds && c + 1 < options_.counts.size()) {
            const TimedPoint spent{plan.count, made.wholeSeconds};
            add(SkippedRow(Plan(method, order, options_.counts[c + 1], growth), spent));
            return;
        }
    }
}

Measurement Comparison::MeasureScript(const script::ScriptFile& file, const RunPlan& plan) const
{
    const double begun = clock_();
    const script::ScriptRun run = script::RunScript(file, sorting::MakeItems(plan.count, seed_, plan.order),
                                                    {kComparisonScriptSteps, options_.maxSeconds}, false);
    Measurement row{.lane = plan.lane,
                    .order = plan.order,
                    .count = plan.count,
                    .seconds = run.End().seconds,
                    .counts = run.Counts(),
                    .inOrder = !run.Failed(),
                    .stable = run.KeptOrderOfEquals()};
    row.wholeSeconds = row.countingSeconds = clock_() - begun;
    // A teacher's table: Python's own words where there are some.
    const std::string& why = run.End().details.empty() ? run.End().message : run.End().details;
    if (run.Failed())
        row.failure = run.End().line > 0 ? platform::Fill(platform::Words("compare", "line %1: %2"),
                                                          {std::to_string(run.End().line), why})
                                         : why;
    return row;
}

void Comparison::RunScriptCounts(const script::ScriptFile& file, sorting::InitialOrder order,
                                 std::vector<Measurement>& rows, ComparisonListener& listener) const
{
    std::vector<TimedPoint> growth;
    const script::LaneSource lane(file);
    for (std::int32_t count : options_.counts) {
        const RunPlan plan{.lane = lane,
                           .order = order,
                           .count = count,
                           .repeats = 1,
                           // A student's sort may grow as any of the methods do.
                           .estimate = EstimateSeconds(growth, sorting::kLinear, sorting::kQuadratic, count)};
        if (plan.estimate.low > options_.maxSeconds) {
            Add(rows, SkippedRow(plan), listener);
            if (!options_.countsListed) return;
            continue;
        }
        listener.RunStarting(plan);
        Add(rows, MeasureScript(file, plan), listener);
        if (rows.back().failure) return;
        growth.push_back({count, rows.back().wholeSeconds});
    }
}

std::vector<Measurement> Comparison::Run(ComparisonListener& listener)
{
    std::vector<Measurement> rows;
    for (sorting::SortMethod method : options_.methods)
        for (sorting::InitialOrder order : options_.orders) RunCounts(method, order, rows, listener);
    for (const script::ScriptFile& file : options_.scripts)
        for (sorting::InitialOrder order : options_.orders) RunScriptCounts(file, order, rows, listener);
    return rows;
}

std::vector<Measurement> Comparison::Run()
{
    ComparisonListener nobody;
    return Run(nobody);
}

}  // namespace compare
