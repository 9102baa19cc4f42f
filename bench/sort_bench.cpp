// The four sorts, with the animation off, through the run command's own call, against the
// fastest loops of the same algorithms that we can write (AVX2, and without wider
// instructions), against the branchy loops the program ran before, and merge sort against
// the standard library's stable sort. Each iteration times both on fresh copies of the same
// items; the counters give the best time of each and their ratio (ours / reference). Needs an
// x86-64 processor with AVX2.

#include "bench_controls.h"
#include "platform/monotonic_clock.h"
#include "reference_sorts.h"
#include "run/run_command.h"
#include "sorting/sort_method.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

namespace {

using sorting::SortMethod;
using Reference = std::function<void(std::span<float>)>;

void AgainstReference(benchmark::State& state, SortMethod method, const Reference& reference)
{
    BenchControls controls;
    controls.method = static_cast<std::int16_t>(method);
    controls.count = std::to_string(state.range(0));
    NullSurface picture;
    run::RunCommand run(controls, controls, picture, platform::Timer);

    double bestOurs = std::numeric_limits<double>::infinity();
    double bestReference = bestOurs;
    bool referenceFirst = true;
    for (auto _ : state) {
        run.FillArray();
        // Both sorts work in the run's own array, from the same items: where an array lies
        // in memory changes these loops' speed by up to a tenth on some machines.
        const auto view = run.TheArray().Elements();
        const std::span<float> items(const_cast<float*>(view.data()), view.size());
        const std::vector<float> original(items.begin(), items.end());
        std::vector<float> referenceResult, ourResult;

        double ours = 0, theirs = 0;
        // Alternate which runs first, so that neither always meets a warm cache.
        for (int turn = 0; turn < 2; ++turn) {
            std::copy(original.begin(), original.end(), items.begin());
            const double start = platform::Timer();
            if ((turn == 0) == referenceFirst) {
                reference(items);
                benchmark::ClobberMemory();
                theirs = platform::Timer() - start;
                referenceResult.assign(items.begin(), items.end());
            } else {
                run.SortWithChoice();
                benchmark::ClobberMemory();
                ours = platform::Timer() - start;
                ourResult.assign(items.begin(), items.end());
            }
        }
        referenceFirst = !referenceFirst;
        if (ourResult != referenceResult) {
            state.SkipWithError("the two sorts disagree");
            break;
        }
        state.SetIterationTime(ours);
        bestOurs = std::min(bestOurs, ours);
        bestReference = std::min(bestReference, theirs);
    }
    state.counters["best_ms"] = bestOurs * 1e3;
    state.counters["reference_ms"] = bestReference * 1e3;
    state.counters["ratio"] = bestOurs / bestReference;
}

Reference Bare(void (*sort)(float*, std::ptrdiff_t))
{
    return [sort](std::span<float> a) { sort(a.data(), static_cast<std::ptrdiff_t>(a.size()) - 1); };
}

void Against(benchmark::State& state, SortMethod method, void (*sort)(float*, std::ptrdiff_t))
{
    AgainstReference(state, method, Bare(sort));
}

void StableSort(float* a, std::ptrdiff_t n) { std::stable_sort(a + 1, a + n + 1); }
void StdSort(float* a, std::ptrdiff_t n) { std::sort(a + 1, a + n + 1); }

// Merge sort's growth: n log n from 10^4 to 10^7 items.
void BM_MergeGrowth(benchmark::State& state)
{
    BenchControls controls;
    controls.method = static_cast<std::int16_t>(SortMethod::Merge);
    controls.count = std::to_string(state.range(0));
    NullSurface picture;
    run::RunCommand run(controls, controls, picture, platform::Timer);
    for (auto _ : state) {
        state.PauseTiming();
        run.FillArray();
        state.ResumeTiming();
        run.SortWithChoice();
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

// Against the fastest loop of each algorithm we can write, at the counts of the goals and at
// 20,000 for the growth of the quadratic ones.
BENCHMARK_CAPTURE(Against, SelectionVsAvx2Loop, SortMethod::Selection, reference::Avx2Selection)
    ->Arg(20000)->Arg(40000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, InsertionVsAvx2Loop, SortMethod::Insertion, reference::Avx2Insertion)
    ->Arg(20000)->Arg(40000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BubbleVsAvx2Loop, SortMethod::Bubble, reference::Avx2Bubble)
    ->Arg(20000)->Arg(30000)->Arg(40000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, MergeVsBareLoop, SortMethod::Merge, reference::Merge)
    ->Arg(1000000)->Arg(10000000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, MergeVsStableSort, SortMethod::Merge, StableSort)
    ->Arg(1000000)->Arg(10000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Shell, heap and quick sort against plain loops of their algorithms, and the standard
// library's sort beside them for context.
BENCHMARK_CAPTURE(Against, ShellVsPlainLoop, SortMethod::Shell, reference::PlainShell)
    ->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, HeapVsPlainLoop, SortMethod::Heap, reference::PlainHeap)
    ->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, QuickVsPlainLoop, SortMethod::Quick, reference::PlainQuick)
    ->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, QuickVsStdSort, SortMethod::Quick, StdSort)
    ->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Against the fastest plain loops without wider instructions.
BENCHMARK_CAPTURE(Against, SelectionVsCmovLoop, SortMethod::Selection, reference::CmovSelection)
    ->Arg(40000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, InsertionVsShiftingLoop, SortMethod::Insertion, reference::ShiftingInsertion)
    ->Arg(40000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BubbleVsCarriedLoop, SortMethod::Bubble, reference::CarriedBubble)
    ->Arg(30000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Against the branchy loops the program ran before: the gain.
BENCHMARK_CAPTURE(Against, SelectionVsBranchyLoop, SortMethod::Selection, reference::BranchySelection)
    ->Arg(40000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, InsertionVsSwappingLoop, SortMethod::Insertion, reference::SwappingInsertion)
    ->Arg(40000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BubbleVsBranchyLoop, SortMethod::Bubble, reference::BranchyBubble)
    ->Arg(30000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK(BM_MergeGrowth)
    ->RangeMultiplier(10)
    ->Range(10000, 10000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

BENCHMARK_MAIN();
