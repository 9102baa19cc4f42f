// The sorts, with the animation off, through the run command's own call, against the
// fastest loops of the same algorithms that we can write (AVX-512, AVX2, and without wider
// instructions), each kernel of ours forced in turn against the loops of its width; against
// the branchy loops the program ran before; merge sort against the standard library's stable
// sort and quick sort against its sort. Each iteration times both on fresh copies of the same
// items; the counters give the best time of each and their ratio (ours / reference). A kernel
// or loop this processor cannot run is skipped, saying so.

#include "avx512_reference_sorts.h"
#include "bench_controls.h"
#include "exact_reference_sorts.h"
#include "platform/monotonic_clock.h"
#include "reference_sorts.h"
#include "run/run_command.h"
#include "sorting/sort_method.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <malloc.h>
#include <limits>
#include <optional>
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

// Ours with `kernel` forced (none: the fastest), against `sort`, which needs that kernel's
// instructions.
void Against(benchmark::State& state, SortMethod method, std::optional<sorting::Kernel> kernel,
             void (*sort)(float*, std::ptrdiff_t))
{
    if (!sorting::ForceKernel(kernel)) {
        state.SkipWithError(
            ("this processor cannot run the " + std::string(sorting::KernelName(*kernel)) + " kernel").c_str());
        return;
    }
    AgainstReference(state, method, Bare(sort));
    sorting::ForceKernel(std::nullopt);
}

using sorting::Kernel;
constexpr std::optional<Kernel> kFastest;

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

// Against the fastest loop of each algorithm we can write, each kernel against the loops of its
// width, at the counts of the goals and at 20,000 for the growth of the quadratic ones.
BENCHMARK_CAPTURE(Against, SelectionAvx512VsAvx512StretchLoop, SortMethod::Selection, Kernel::Avx512,
                  reference::Avx512StretchSelection)
    ->Arg(20000)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, SelectionAvx512VsAvx512Loop, SortMethod::Selection, Kernel::Avx512,
                  reference::Avx512Selection)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, InsertionAvx512VsAvx512Loop, SortMethod::Insertion, Kernel::Avx512,
                  reference::Avx512Insertion)
    ->Arg(20000)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BubbleAvx512VsAvx512Loop, SortMethod::Bubble, Kernel::Avx512, reference::Avx512Bubble)
    ->Arg(20000)
    ->Arg(30000)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, SelectionAvx2VsAvx2Loop, SortMethod::Selection, Kernel::Avx2, reference::Avx2Selection)
    ->Arg(20000)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, InsertionAvx2VsAvx2Loop, SortMethod::Insertion, Kernel::Avx2, reference::Avx2Insertion)
    ->Arg(20000)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BubbleAvx2VsAvx2Loop, SortMethod::Bubble, Kernel::Avx2, reference::Avx2Bubble)
    ->Arg(20000)
    ->Arg(30000)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, MergeVsBareLoop, SortMethod::Merge, kFastest, reference::Merge)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, MergeVsStableSort, SortMethod::Merge, kFastest, StableSort)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Shell, heap, three-way quick, natural merge, radix and bucket sort against the fastest loops
// of their algorithms, each kernel against the loops of its width.
#define EXACT(name, method, kernel, loop, ...)                                      \
    BENCHMARK_CAPTURE(Against, name, SortMethod::method, kernel, exact::loop) \
        ->Args({__VA_ARGS__})                                                        \
        ->UseManualTime()                                                            \
        ->Unit(benchmark::kMillisecond)
EXACT(ShellAvx512VsAvx512Loop, Shell, Kernel::Avx512, Avx512Shell, 1000000);
EXACT(ShellAvx2VsAvx2Loop, Shell, Kernel::Avx2, Avx2Shell, 1000000);
EXACT(ShellPortableVsShiftingLoop, Shell, Kernel::Portable, ShiftingShell, 1000000);
EXACT(HeapVsBranchFreeLoop, Heap, kFastest, BranchFreeHeap, 1000000);
EXACT(ThreeWayQuickVsBranchFreeLoop, ThreeWayQuick, kFastest, BranchFreeThreeWayQuick, 1000000);
EXACT(ThreeWayQuickVsBranchFreeLoop, ThreeWayQuick, kFastest, BranchFreeThreeWayQuick, 10000000);
EXACT(NaturalMergeVsBranchFreeLoop, NaturalMerge, kFastest, BranchFreeNaturalMerge, 1000000);
EXACT(RadixAvx512VsAvx512Loop, Radix, Kernel::Avx512, Avx512Radix, 1000000);
EXACT(RadixAvx2VsAvx2Loop, Radix, Kernel::Avx2, Avx2Radix, 1000000);
EXACT(RadixPortableVsFourTableLoop, Radix, Kernel::Portable, FourTableRadix, 1000000);
EXACT(BucketVsCountedLoop, Bucket, kFastest, CountedBucket, 1000000);
#undef EXACT

// Shell, heap and quick sort against plain loops of their algorithms, and the standard
// library's sort beside them for context.
BENCHMARK_CAPTURE(Against, ShellVsPlainLoop, SortMethod::Shell, kFastest, reference::PlainShell)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, HeapVsPlainLoop, SortMethod::Heap, kFastest, reference::PlainHeap)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// The quick family's unwatched partition against Lomuto's without a branch, written apart,
// the fastest loop of its exchanges; the branchy loop and the standard library for context.
BENCHMARK_CAPTURE(Against, QuickVsBranchFreeLoop, SortMethod::Quick, kFastest, reference::BranchFreeQuick)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, MedianQuickVsBranchFreeLoop, SortMethod::MedianQuick, kFastest,
                  reference::BranchFreeMedianQuick)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, IntroVsBranchFreeLoop, SortMethod::Intro, kFastest, reference::BranchFreeIntro)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, QuickVsPlainLoop, SortMethod::Quick, kFastest, reference::PlainQuick)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, QuickVsStdSort, SortMethod::Quick, kFastest, StdSort)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The six methods of the lessons against plain loops of their algorithms written apart, and
// the standard library's sort of the same items beside each for context.
BENCHMARK_CAPTURE(Against, MedianQuickVsPlainLoop, SortMethod::MedianQuick, kFastest, reference::PlainMedianQuick)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, ThreeWayQuickVsPlainLoop, SortMethod::ThreeWayQuick, kFastest, reference::PlainThreeWayQuick)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, IntroVsPlainLoop, SortMethod::Intro, kFastest, reference::PlainIntro)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, NaturalMergeVsPlainLoop, SortMethod::NaturalMerge, kFastest, reference::PlainNaturalMerge)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, RadixVsPlainLoop, SortMethod::Radix, kFastest, reference::PlainRadix)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BucketVsPlainLoop, SortMethod::Bucket, kFastest, reference::PlainBucket)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, MedianQuickVsStdSort, SortMethod::MedianQuick, kFastest, StdSort)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, ThreeWayQuickVsStdSort, SortMethod::ThreeWayQuick, kFastest, StdSort)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, IntroVsStdSort, SortMethod::Intro, kFastest, StdSort)
    ->Arg(1000000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, NaturalMergeVsStdSort, SortMethod::NaturalMerge, kFastest, StdSort)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, NaturalMergeVsStableSort, SortMethod::NaturalMerge, kFastest, StableSort)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, RadixVsStdSort, SortMethod::Radix, kFastest, StdSort)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BucketVsStdSort, SortMethod::Bucket, kFastest, StdSort)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The portable kernels against the fastest plain loops without wider instructions.
BENCHMARK_CAPTURE(Against, SelectionPortableVsCmovLoop, SortMethod::Selection, Kernel::Portable,
                  reference::CmovSelection)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, InsertionPortableVsShiftingLoop, SortMethod::Insertion, Kernel::Portable,
                  reference::ShiftingInsertion)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BubblePortableVsCarriedLoop, SortMethod::Bubble, Kernel::Portable, reference::CarriedBubble)
    ->Arg(30000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The fastest kernel against the branchy loops the program ran before: the gain.
BENCHMARK_CAPTURE(Against, SelectionVsBranchyLoop, SortMethod::Selection, kFastest, reference::BranchySelection)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, InsertionVsSwappingLoop, SortMethod::Insertion, kFastest, reference::SwappingInsertion)
    ->Arg(40000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Against, BubbleVsBranchyLoop, SortMethod::Bubble, kFastest, reference::BranchyBubble)
    ->Arg(30000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_MergeGrowth)
    ->RangeMultiplier(10)
    ->Range(10000, 10000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

// Freed memory stays with the process: on a virtual machine whose host takes back the pages
// a process gives up, the first touch of fresh pages can cost more than the sort itself, and
// varies by a factor of three from run to run. The benchmarks time the sorts, not that.
int main(int argc, char** argv)
{
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
