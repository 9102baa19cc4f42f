#pragma once

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
struct Part {
    Index lo;
    Index hi;
    int depth;
};

// Where a partition leaves its two parts: lo to leftHi, and rightLo to hi.
struct Split {
    Index leftHi;
    Index rightLo;
};

// The textbook partition around the last item: the items no greater than it gather at the
// front, and it comes to stand after them, at the place it returns.
template <SortObserver Observer>
inline Index Partition(Items theArray, Index lo, Index hi, Observer& observer)
{
    const float pivot = theArray[hi];
    Index i = lo - 1;
    for (Index j = lo; j <= hi - 1; ++j) {
        observer.Compared(j, hi);
        if (theArray[j] <= pivot) {
            ++i;
            if (i != j) Swap(theArray, i, j, observer);
        }
    }
    if (i + 1 != hi) Swap(theArray, i + 1, hi, observer);
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
    Part part{1, NumItems(theArray), depth};
    for (;;) {
        if (part.lo < part.hi) {
            if (const std::optional<Split> parts = split(part)) {
                if (parts->rightLo < part.hi) waiting.push_back({parts->rightLo, part.hi, part.depth - 1});
                part = {part.lo, parts->leftHi, part.depth - 1};
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
        const Index p = quick::Partition(theArray, part.lo, part.hi, observer);
        return std::optional<quick::Split>({p - 1, p + 1});
    });
}

}  // namespace sorting
