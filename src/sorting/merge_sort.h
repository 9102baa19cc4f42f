#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/simd.h"
#include "sorting/sort_observer.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace sorting {

template <typename Watcher>
void MergeSortFast(Items theArray, Watcher& watcher, Kernel kernel = BestKernel());

namespace merge {

enum class Line { Width, Runs, CopyLeft, CopyRight, Place, Compare, Write, End };
inline constexpr CodeLine kCode[] = {
    {Line::Width, "width", SORTING_WORDS("Code", "for width = 1, 2, 4, ... below n")},
    {Line::Runs, "runs",
     SORTING_WORDS("Code", "  for lo = 1, 1 + 2 width, ...: mid = lo + width - 1, hi = lo + 2 width - 1 or n")},
    {Line::CopyLeft, "copy-left", SORTING_WORDS("Code", "    copy items lo..mid out")},
    {Line::CopyRight, "copy-right",
     SORTING_WORDS("Code", "    copy items mid + 1..hi out after them, reversed: item mid + 1 last")},
    {Line::Place, "place", SORTING_WORDS("Code", "    for k = lo to hi")},
    {Line::Compare, "compare", SORTING_WORDS("Code", "      compare the copies left at both ends")},
    {Line::Write, "write",
     SORTING_WORDS("Code", "      write the smaller at item k, the right one where they are equal")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value width{}, lo{}, mid{}, hi{}, k{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "width"), &Variables::width},
                                                     {SORTING_WORDS("Code", "lo"), &Variables::lo},
                                                     {SORTING_WORDS("Code", "mid"), &Variables::mid},
                                                     {SORTING_WORDS("Code", "hi"), &Variables::hi},
                                                     {SORTING_WORDS("Code", "k"), &Variables::k}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

}  // namespace merge

// Merges the sorted runs Lo..Mid and Mid+1..Hi into one sorted run Lo..Hi, through `scratch`
// (indexed like the items). The right run is copied reversed, so the entries not yet taken,
// scratch[i..j], rise and then fall: the smallest is always at one end, and neither cursor
// needs a test for an exhausted run. On a tie the upper cursor's entry is taken. The observer
// hears each copy and each write as a move, and each comparison as the two scratch entries it
// reads.
template <SortObserver Observer>
[[gnu::always_inline]] inline void Merge(Items theArray, float* scratch, Index lo, Index mid, Index hi,
                                         Observer& observer)
{
    const merge::Variables run{.width = mid - lo + 1, .lo = lo, .mid = mid, .hi = hi};
    NoteLine(observer, merge::Line::CopyLeft, run);
    for (Index k = lo; k <= mid; ++k) {
        scratch[k] = theArray[k];
        observer.Moved(k, ScratchPlace(k));
    }
    NoteLine(observer, merge::Line::CopyRight, run);
    for (Index k = mid + 1; k <= hi; ++k) {
        scratch[mid + hi + 1 - k] = theArray[k];
        observer.Moved(k, ScratchPlace(mid + hi + 1 - k));
    }
    const auto at = [&run](Index k) {
        merge::Variables now = run;
        now.k = k;
        return now;
    };
    Index i = lo;
    Index j = hi;
    for (Index k = lo; k <= hi; ++k) {
        NoteLine(observer, merge::Line::Compare, at(k));
        observer.Compared(ScratchPlace(i), ScratchPlace(j));
        const float left = scratch[i];
        const float right = scratch[j];
        const bool takeLeft = left < right;
        theArray[k] = takeLeft ? left : right;
        NoteLine(observer, merge::Line::Write, at(k));
        observer.Moved(ScratchPlace(takeLeft ? i : j), k);
        i += takeLeft;
        j -= !takeLeft;
    }
}

// The memory of MergeSort's scratch array for `numItems` items.
constexpr std::uint64_t MergeScratchBytes(Index numItems)
{
    return numItems < 2 ? 0 : (static_cast<std::uint64_t>(numItems) + 1) * sizeof(float);
}

namespace merge {

// Bottom-up: passes merge neighbouring runs of width 1, 2, 4, ... from left to right; a last
// run without a right-hand neighbour waits for a later pass. The observer hears of each merge.
// One scratch array serves every merge.
template <typename Observer>
[[gnu::always_inline]] inline void Passes(Items theArray, Observer& observer)
{
    const Index numItems = NumItems(theArray);
    if (numItems < 2) return;
    const auto scratch = std::make_unique_for_overwrite<float[]>(ScratchEntries(numItems));
    for (Index size = 1; size < numItems; size *= 2) {
        for (Index start = 1; start <= numItems - size; start += 2 * size) {
            const Index hi = std::min(start + 2 * size - 1, numItems);
            const Index mid = start + size - 1;
            Merge(theArray, scratch.get(), start, mid, hi, observer);
            observer.Merged(start, mid, hi);
        }
        NotePassEnded(observer, theArray);
    }
}

// The merge has no branch to guess, so the fast form is the same loop, compiled for each kernel:
// code in the wider encodings does not slow down when whatever ran before (drawing the
// picture, say) left the upper halves of the vector registers in use, as plain SSE code does.
template <typename Watcher>
struct Kernels {
    SORTING_HOT_LOOP static void Portable(Items theArray, Watcher& watcher) { Passes(theArray, watcher); }
#if SORTING_X86
    SORTING_AVX2 SORTING_HOT_LOOP static void Avx2(Items theArray, Watcher& watcher) { Passes(theArray, watcher); }
    SORTING_AVX512 SORTING_HOT_LOOP static void Avx512(Items theArray, Watcher& watcher) { Passes(theArray, watcher); }
#endif
};

}  // namespace merge

template <SortObserver Observer>
void MergeSort(Items theArray, Observer& observer)
{
    if constexpr (!kListens<Observer>)
        MergeSortFast(theArray, observer);
    else
        merge::Kernels<Observer>::Portable(theArray, observer);
}

template <typename Watcher>
void MergeSortFast(Items theArray, Watcher& watcher, Kernel kernel)
{
    InKernel<merge::Kernels<Watcher>>(kernel, theArray, watcher);
}

}  // namespace sorting
