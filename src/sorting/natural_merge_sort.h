#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace sorting {

template <typename Watcher>
SORTING_HOT_LOOP void NaturalMergeSortFast(Items theArray, Watcher& watcher);

namespace natural_merge {

enum class Line { Runs, Pass, Copy, Compare, Write, Rest, End };
inline constexpr CodeLine kCode[] = {
    {Line::Runs, "runs", SORTING_WORDS("Code", "for i = 1 to n - 1: a run ends at i where item i + 1 < item i")},
    {Line::Pass, "pass",
     SORTING_WORDS("Code", "while more than one run: merge the first with the second, the third with the fourth, ...")},
    {Line::Copy, "copy", SORTING_WORDS("Code", "  copy the left run, items lo..mid, out; i = lo, j = mid + 1, k = lo")},
    {Line::Compare, "compare", SORTING_WORDS("Code", "  while copies and right items are left: if item j < copy i")},
    {Line::Write, "write",
     SORTING_WORDS("Code", "    write item j at item k, else copy i, the left one where they are equal")},
    {Line::Rest, "rest", SORTING_WORDS("Code", "  write the copies left; the rest of the right run is in place")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value lo{}, mid{}, hi{}, i{}, j{}, k{};
};
inline constexpr Variable<Variables> kVariables[] = {
    {SORTING_WORDS("Code", "lo"), &Variables::lo}, {SORTING_WORDS("Code", "mid"), &Variables::mid},
    {SORTING_WORDS("Code", "hi"), &Variables::hi}, {SORTING_WORDS("Code", "i"), &Variables::i},
    {SORTING_WORDS("Code", "j"), &Variables::j},   {SORTING_WORDS("Code", "k"), &Variables::k}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

// Merges the runs lo..mid and mid + 1..hi: the left run is copied out, then the places are
// filled from the left, each with the smaller of the next right item and the next copy, the
// copy where they are equal, so that equal items keep their order. Once the copies are used
// up, the rest of the right run already stands in place.
template <SortObserver Observer>
inline void MergeRuns(Items theArray, float* scratch, Index lo, Index mid, Index hi, Observer& observer)
{
    NoteLine(observer, Line::Copy, Variables{.lo = lo, .mid = mid, .hi = hi});
    for (Index k = lo; k <= mid; ++k) {
        scratch[k] = theArray[k];
        observer.Moved(k, ScratchPlace(k));
    }
    Index i = lo, j = mid + 1, k = lo;
    const auto at = [&] { return Variables{.lo = lo, .mid = mid, .hi = hi, .i = i, .j = j, .k = k}; };
    for (; i <= mid && j <= hi; ++k) {
        NoteLine(observer, Line::Compare, at());
        observer.Compared(j, ScratchPlace(i));
        NoteLine(observer, Line::Write, at());
        if (theArray[j] < scratch[i]) {
            theArray[k] = theArray[j];
            observer.Moved(j++, k);
        } else {
            theArray[k] = scratch[i];
            observer.Moved(ScratchPlace(i++), k);
        }
    }
    for (; i <= mid; ++i, ++k) {
        NoteLine(observer, Line::Rest, at());
        theArray[k] = scratch[i];
        observer.Moved(ScratchPlace(i), k);
    }
    observer.Merged(lo, mid, hi);
}

// Where the runs already in order begin: a run ends at i where item i + 1 is less than item i.
template <SortObserver Observer>
inline std::vector<Index> RunStarts(Items theArray, Observer& observer)
{
    const Index numItems = NumItems(theArray);
    // Room for a run at every item and the end's mark, made once: a list that grows by
    // doubling would hold its old and new room at once, past the memory reserved for it.
    std::vector<Index> starts;
    starts.reserve(ScratchEntries(numItems));
    starts.push_back(1);
    for (Index i = 1; i <= numItems - 1; ++i) {
        NoteLine(observer, Line::Runs, Variables{.i = i});
        observer.Compared(i + 1, i);
        if (theArray[i + 1] < theArray[i]) starts.push_back(i + 1);
    }
    return starts;
}

}  // namespace natural_merge

// The memory beside the items at the most: the scratch area and the starts of the runs, for
// this pass and half as many for the next.
constexpr std::uint64_t NaturalMergeBytes(Index numItems)
{
    return numItems < 1 ? 0 : (static_cast<std::uint64_t>(numItems) + 1) * (sizeof(float) + 2 * sizeof(Index));
}

namespace natural_merge {

// The merge above for a run that nobody watches: the same writes, each choice of the next
// right item or the next copy made by the comparison's outcome, as the window's merge makes
// it, rather than by a branch.
inline void MergeRunsUnwatched(float* a, float* scratch, Index lo, Index mid, Index hi)
{
    std::copy(a + lo, a + mid + 1, scratch + lo);
    Index i = lo, j = mid + 1, k = lo;
    for (; i <= mid && j <= hi; ++k) {
        const float right = a[j], copy = scratch[i];
        const bool takeRight = right < copy;
        a[k] = takeRight ? right : copy;
        j += takeRight;
        i += !takeRight;
    }
    std::copy(scratch + i, scratch + mid + 1, a + k);
}

// The starts of the runs, each written and counted by the comparison's outcome.
inline std::vector<Index> RunStartsUnwatched(const float* a, Index numItems)
{
    std::vector<Index> starts(ScratchEntries(numItems));
    starts[0] = 1;
    std::size_t count = 1;
    for (Index i = 1; i <= numItems - 1; ++i) {
        starts[count] = i + 1;
        count += a[i + 1] < a[i];
    }
    starts.resize(count);
    return starts;
}

// Runs the passes, merging with `merge(lo, mid, hi)` and telling the watcher of each merge.
template <typename Watcher, typename MergeRuns>
inline void MergePasses(Items theArray, std::vector<Index> starts, Watcher& watcher, MergeRuns merge)
{
    const Index numItems = NumItems(theArray);
    while (starts.size() > 1) {
        starts.push_back(numItems + 1);  // where the last run ends
        std::vector<Index> merged;
        merged.reserve(starts.size() / 2 + 2);  // with the next pass's end mark
        std::size_t r = 0;
        for (; r + 2 < starts.size(); r += 2) {
            merge(starts[r], starts[r + 1] - 1, starts[r + 2] - 1);
            NotePassEnded(watcher, theArray);
            merged.push_back(starts[r]);
        }
        if (r + 1 < starts.size()) merged.push_back(starts[r]);
        starts = std::move(merged);
    }
}

}  // namespace natural_merge

// Finds the runs the items already stand in, then merges them pass after pass, the first with
// the second, the third with the fourth, and so on, a last run without a partner waiting, until
// one run is left.
template <SortObserver Observer>
SORTING_HOT_LOOP void NaturalMergeSort(Items theArray, Observer& observer)
{
    if constexpr (!kListens<Observer>) return NaturalMergeSortFast(theArray, observer);
    std::vector<Index> starts = natural_merge::RunStarts(theArray, observer);
    if (starts.size() < 2) return;
    const auto scratch = std::make_unique_for_overwrite<float[]>(ScratchEntries(NumItems(theArray)));
    natural_merge::MergePasses(theArray, std::move(starts), observer, [&](Index lo, Index mid, Index hi) {
        natural_merge::MergeRuns(theArray, scratch.get(), lo, mid, hi, observer);
    });
}

template <typename Watcher>
SORTING_HOT_LOOP void NaturalMergeSortFast(Items theArray, Watcher& watcher)
{
    std::vector<Index> starts = natural_merge::RunStartsUnwatched(theArray.data(), NumItems(theArray));
    if (starts.size() < 2) return;
    const auto scratch = std::make_unique_for_overwrite<float[]>(ScratchEntries(NumItems(theArray)));
    natural_merge::MergePasses(theArray, std::move(starts), watcher, [&](Index lo, Index mid, Index hi) {
        natural_merge::MergeRunsUnwatched(theArray.data(), scratch.get(), lo, mid, hi);
    });
}

}  // namespace sorting
