#pragma once

#include "compare/compare_options.h"
#include "compare/estimate.h"
#include "platform/available_memory.h"
#include "script/lane_source.h"
#include "sorting/counting_observer.h"
#include "sorting/sort_method.h"
#include "sorting/stability.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace compare {

// One method, or a student's script, on one initial order at one count.
struct Measurement {
    script::LaneSource lane;  // the method, or the script
    sorting::InitialOrder order;
    std::int32_t count;
    double seconds;  // the best of the timed runs, the sort alone
    sorting::SortCounts counts;
    bool inOrder;
    std::optional<bool> stable{};       // whether equal items kept their order; none where none are equal
    double countingSeconds = 0;         // how long the counting run took, for the estimates
    double wholeSeconds = 0;            // how long the row took: its timed runs and its counting run
    std::optional<Estimate> skipped{};  // the run was not made: how long it would have taken
    // Why not: the run before it, which spent the budget of a series; else the estimate was
    // over the limit.
    std::optional<TimedPoint> overBudget{};
    std::optional<std::string> failure{};  // the script failed: why
    // In a doubling series, how many times its work (comparisons, moves and reads) grew since
    // the row at half its count: about 2 for n, a little more for n log n, 4 for n².
    std::optional<double> growth{};

    bool Made() const { return !skipped && !failure; }
};

// A run about to start.
struct RunPlan {
    script::LaneSource lane;
    sorting::InitialOrder order{};
    std::int32_t count = 0;
    int repeats = 0;      // the timed runs it makes, at the most
    Estimate estimate{};  // seconds, its timed runs and its counting run together
};

// A counting run: its work counted, and the items followed, to tell whether equal ones kept
// their order.
struct CountingRun : sorting::CountingObserver {
    explicit CountingRun(std::size_t size) : origins(size) {}

    void Swapped(sorting::Index i, sorting::Index j)
    {
        CountingObserver::Swapped(i, j);
        origins.Swapped(i, j);
    }
    void Moved(sorting::Index from, sorting::Index to)
    {
        CountingObserver::Moved(from, to);
        origins.Moved(from, to);
    }

    sorting::Origins origins;
};

// Hears of a comparison's work as it goes, on the thread that runs it.
class ComparisonListener {
public:
    virtual ~ComparisonListener() = default;
    virtual void RunStarting(const RunPlan&) {}
    // `pass` is 1 to the plan's repeats for a timed run, 0 for the counting run.
    virtual void PassStarting(int /*pass*/) {}
    // A row is complete: a run made, or one skipped.
    virtual void RowDone(const Measurement&) {}
};

// Runs the methods over the initial orders and the counts: each method on the same items for
// each order and count, timed with nothing watching, then once more with counting. Before
// each run its time is estimated; a run whose estimate exceeds the limit is not made. Counts
// given one by one are each run or skipped; a doubling series stops growing at the first run
// skipped, or after a run longer than the budget, with a row skipped for its next count.
class Comparison {
public:
    using Clock = double (*)();
    // How a run sorts: with nobody watching, or counting into `counting` where it is given.
    using SortRun = void (*)(sorting::SortMethod method, sorting::Items items, CountingRun* counting);

    // The method table's sorts, as every run but a test's sorts.
    static void TableSort(sorting::SortMethod method, sorting::Items items, CountingRun* counting);

    Comparison(CompareOptions options, Clock clock, SortRun sort = TableSort);

    // Raises the out-of-memory error when the largest count cannot be held: its items, the
    // copy each run sorts, and the most any method needs beside them (merge sort's scratch
    // array, quick sort's waiting parts at their worst).
    void RequireMemory(const platform::MemoryGauge& memory) const;

    // The rows by method, then by order, then by count, as they are done.
    std::vector<Measurement> Run(ComparisonListener& listener);
    std::vector<Measurement> Run();

    // A timed run longer than this is not repeated, unless the repeats were asked for.
    static constexpr double kRepeatLimitSeconds = 1.0;

private:
    // What a method has shown of its speed on one order, timed and counting.
    struct Growth {
        std::vector<TimedPoint> timed;
        std::vector<TimedPoint> counting;
    };

    // Which of a method's times a calibration takes.
    struct Series {
        bool timed, counting;
    };
    // Short runs of the plan, their times added to `growth`.
    void Calibrate(const RunPlan& plan, Growth& growth, Series series) const;
    // Short runs at doubling counts, for the estimate of the first count.
    Growth Calibrated(sorting::SortMethod method, sorting::InitialOrder order, std::int32_t target) const;
    // The run at `count`, estimated from `growth`, which is calibrated further where the count
    // is too far beyond it.
    RunPlan Plan(sorting::SortMethod method, sorting::InitialOrder order, std::int32_t count, Growth& growth) const;
    // One method on one order, at each count in turn.
    void RunCounts(sorting::SortMethod method, sorting::InitialOrder order, std::vector<Measurement>& rows,
                   ComparisonListener& listener) const;
    // A student's script on one order, at each count in turn, estimated from its earlier
    // runs; after a failure it is not run again on that order.
    void RunScriptCounts(const script::ScriptFile& file, sorting::InitialOrder order, std::vector<Measurement>& rows,
                         ComparisonListener& listener) const;
    Measurement MeasureScript(const script::ScriptFile& file, const RunPlan& plan) const;
    // The plan's timed runs, then the counting run.
    Measurement Measure(const RunPlan& plan, const std::vector<float>& items, ComparisonListener& listener) const;
    // The best of the plan's timed runs, into `result`.
    void Time(const RunPlan& plan, const std::vector<float>& items, ComparisonListener& listener,
              Measurement& result) const;
    // The counting run: the work, whether equal items kept their order, how long it took.
    void Count(const RunPlan& plan, const std::vector<float>& items, Measurement& result) const;

    CompareOptions options_;
    Clock clock_;
    SortRun sort_;
    double seed_;
};

}  // namespace compare
