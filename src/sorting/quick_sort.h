#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

#include <cstdint>
#include <optional>
#include <utility>
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

enum class Line { Part, Scan, Compare, Exchange, Place, End };
inline constexpr CodeLine kCode[] = {
    {Line::Part, "part",
     SORTING_WORDS("Code",
                   "take the next part lo..hi of two items or more: the whole array, then the left parts first")},
    {Line::Scan, "scan", SORTING_WORDS("Code", "  pivot = item hi; i = lo - 1; for j = lo to hi - 1")},
    {Line::Compare, "compare", SORTING_WORDS("Code", "    if item j <= pivot")},
    {Line::Exchange, "exchange", SORTING_WORDS("Code", "      i = i + 1; exchange items i and j unless they are one")},
    {Line::Place, "place",
     SORTING_WORDS("Code", "  exchange items i + 1 and hi unless they are one: the pivot is in place")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value lo{}, hi{}, pivot{}, i{}, j{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "lo"), &Variables::lo},
                                                     {SORTING_WORDS("Code", "hi"), &Variables::hi},
                                                     {SORTING_WORDS("Code", "pivot"), &Variables::pivot},
                                                     {SORTING_WORDS("Code", "i"), &Variables::i},
                                                     {SORTING_WORDS("Code", "j"), &Variables::j}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

// Where a partition leaves its two parts: lo to leftHi, and rightLo to hi.
struct Split {
    Index leftHi;
    Index rightLo;
};

// The lines of a sort's code that a partition's comparisons, exchanges and last exchange come
// from.
template <typename Name>
struct PartitionLines {
    Name compare, exchange, place;
};

// The partition below for a run that nobody watches: the same exchanges in the same order,
// chosen by index arithmetic rather than by a branch, which a processor cannot guess on
// random items (nor a compiler turn back into one, as it does a choice of two values). Each
// step makes both writes: item j goes to place k, which is i where it goes left and j itself
// where it stays, and what stood at k goes to j.
inline Index PartitionUnwatched(float* a, Index lo, Index hi)
{
    const float pivot = a[hi];
    Index i = lo - 1;
    for (Index j = lo; j < hi; ++j) {
        const float item = a[j];
        const Index goesLeft = item <= pivot;
        i += goesLeft;
        const Index k = j + ((i - j) & -goesLeft);
        a[j] = a[k];
        a[k] = item;
    }
    std::swap(a[i + 1], a[hi]);
    return i + 1;
}

// The textbook partition around the last item: the items no greater than it gather at the
// front, and it comes to stand after them, at the place it returns. `note(line, pivot, i, j)`
// tells the sort's code, before each step, the line it comes from and the values then.
template <SortObserver Observer, typename Name, typename Note>
inline Index Partition(Items theArray, Index lo, Index hi, Observer& observer, PartitionLines<Name> lines, Note note)
{
    if constexpr (!kListens<Observer>) return PartitionUnwatched(theArray.data(), lo, hi);
    const float pivot = theArray[hi];
    Index i = lo - 1;
    for (Index j = lo; j <= hi - 1; ++j) {
        note(lines.compare, pivot, i, j);
        observer.Compared(j, hi);
        if (theArray[j] <= pivot) {
            ++i;
            if (i != j) {
                note(lines.exchange, pivot, i, j);
                Swap(theArray, i, j, observer);
            }
        }
    }
    if (i + 1 != hi) {
        note(lines.place, pivot, i, Value());
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
        using quick::Line;
        const auto note = [&](Line line, float pivot, Index i, Value j) {
            NoteLine(observer, line, quick::Variables{.lo = part.lo, .hi = part.hi, .pivot = pivot, .i = i, .j = j});
        };
        const Index p = quick::Partition(theArray, part.lo, part.hi, observer,
                                         quick::PartitionLines<Line>{Line::Compare, Line::Exchange, Line::Place}, note);
        NotePassEnded(observer, theArray);
        return std::optional<quick::Split>({p - 1, p + 1});
    });
}

}  // namespace sorting
