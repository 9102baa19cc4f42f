#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sorting {

namespace quick {

// Items lo to hi, still to sort, and how deep in the partitions they lie: the parts of a
// partition stand one less deep than it.
// Twelve bytes: a count of items fits in 32 bits.
struct Part {
    std::int32_t lo;
    std::int32_t hi;
    std::int32_t depth;
};

inline constexpr std::string_view kCode[] = {
    SORTING_WORDS("Code", "take the next part lo..hi of two items or more, the whole array first"),
    SORTING_WORDS("Code", "  pivot = item hi; i = lo - 1"),
    SORTING_WORDS("Code", "  for j = lo to hi - 1"),
    SORTING_WORDS("Code", "    if item j <= pivot"),
    SORTING_WORDS("Code", "      i = i + 1; exchange items i and j unless they are one"),
    SORTING_WORDS("Code", "  exchange items i + 1 and hi unless they are one: the pivot is in place"),
    SORTING_WORDS("Code", "  lo..i and i + 2..hi wait to be sorted, the left first"),
};
inline constexpr std::string_view kVariables[] = {SORTING_WORDS("Code", "lo"), SORTING_WORDS("Code", "hi"),
                                                  SORTING_WORDS("Code", "pivot"), SORTING_WORDS("Code", "i"),
                                                  SORTING_WORDS("Code", "j")};

// Where a partition leaves its two parts: lo to leftHi, and rightLo to hi.
struct Split {
    Index leftHi;
    Index rightLo;
};

// What the steps of a partition are, for the code of the sort that uses it.
enum class Step { Compare, Exchange, Place };

// The textbook partition around the last item: the items no greater than it gather at the
// front, and it comes to stand after them, at the place it returns. `at(step, pivot, i, j)`
// tells the sort's code where each step comes from.
template <SortObserver Observer, typename At>
inline Index Partition(Items theArray, Index lo, Index hi, Observer& observer, At at)
{
    const float pivot = theArray[hi];
    Index i = lo - 1;
    for (Index j = lo; j <= hi - 1; ++j) {
        at(Step::Compare, pivot, i, j);
        observer.Compared(j, hi);
        if (theArray[j] <= pivot) {
            ++i;
            if (i != j) {
                at(Step::Exchange, pivot, i, j);
                Swap(theArray, i, j, observer);
            }
        }
    }
    if (i + 1 != hi) {
        at(Step::Place, pivot, i, kUnset);
        Swap(theArray, i + 1, hi, observer);
    }
    return i + 1;
}

// Sorts the parts, from the whole array down: `split(part)` partitions a part of two items or
// more and says where its two parts lie, or sorts it whole and says nothing. The left part is
// sorted first; the right parts of two items or more wait in a list on the heap, not in nested
// calls, so that items in order, where every partition peels off one item and costs a
// comparison with each of the others, sort without running out of stack.
template <typename SplitPart>
inline void SortParts(Items theArray, int depth, SplitPart split)
{
    std::vector<Part> waiting;
    Part part{1, static_cast<std::int32_t>(NumItems(theArray)), depth};
    for (;;) {
        if (part.lo < part.hi) {
            if (const std::optional<Split> parts = split(part)) {
                if (parts->rightLo < part.hi)
                    waiting.push_back({static_cast<std::int32_t>(parts->rightLo), part.hi, part.depth - 1});
                part = {part.lo, static_cast<std::int32_t>(parts->leftHi), part.depth - 1};
                continue;
            }
        }
        if (waiting.empty()) return;
        part = waiting.back();
        waiting.pop_back();
    }
}

}  // namespace quick

// The most memory the parts waiting to be sorted can take: each waits with two items or more
// and a pivot of its own, so at most a third of the items' count wait at once; the list may
// hold twice what it needs while it grows.
constexpr std::uint64_t QuickStackBytes(Index numItems)
{
    return numItems < 2 ? 0 : 2 * (static_cast<std::uint64_t>(numItems) / 3 + 1) * sizeof(quick::Part);
}

// Partitions with the last item as pivot, then sorts the left part before the right one;
// parts of fewer than two items need nothing.
template <SortObserver Observer>
SORTING_HOT_LOOP void QuickSort(Items theArray, Observer& observer)
{
    quick::SortParts(theArray, 0, [&](const quick::Part& part) {
        const auto at = [&](quick::Step step, auto pivot, auto i, auto j) {
            NoteLine(observer, 4 + static_cast<int>(step), part.lo, part.hi, pivot, i, j);
        };
        const Index p = quick::Partition(theArray, part.lo, part.hi, observer, at);
        return std::optional<quick::Split>({p - 1, p + 1});
    });
}

}  // namespace sorting
