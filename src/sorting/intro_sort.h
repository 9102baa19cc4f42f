#pragma once

#include "platform/words.h"
#include "sorting/heap_sort.h"
#include "sorting/hot_loop.h"
#include "sorting/insertion_sort.h"
#include "sorting/median_quick_sort.h"
#include "sorting/sort_observer.h"

#include <bit>

namespace sorting {

namespace intro {

inline constexpr std::string_view kCode[] = {
    SORTING_WORDS("Code", "take the next part lo..hi, the whole array first, at depth 2 floor(log2 n)"),
    SORTING_WORDS("Code", "  if it has 16 items or fewer: sort it by insertion"),
    SORTING_WORDS("Code", "  else if its depth is 0: sort it by heap sort"),
    SORTING_WORDS("Code", "  else: bring the median of items lo, (lo + hi) / 2 and hi to hi"),
    SORTING_WORDS("Code", "    partition around it, as quick sort does"),
    SORTING_WORDS("Code", "    both parts wait to be sorted, one less deep, the left first"),
};
inline constexpr std::string_view kVariables[] = {SORTING_WORDS("Code", "lo"), SORTING_WORDS("Code", "hi"),
                                                  SORTING_WORDS("Code", "depth")};

// Parts this small are sorted by insertion.
inline constexpr Index kSmallPart = 16;

// Tells the observer of a sort of items lo to hi, run as if they were items 1 to n, the places
// it touches in the whole array, and says that its steps come from the heap sort's line.
template <SortObserver Observer>
struct Shifted {
    Observer& observer;
    Index by;
    const quick::Part& part;

    template <typename... Values>
    void Line(int, Values...)
    {
        NoteLine(observer, 3, part.lo, part.hi, part.depth);
    }
    void Compared(Index a, Index b) { observer.Compared(a + by, b + by); }
    void Swapped(Index i, Index j) { observer.Swapped(i + by, j + by); }
    void Moved(Index from, Index to) { observer.Moved(Place(from), Place(to)); }
    void Merged(Index lo, Index mid, Index hi) { observer.Merged(lo + by, mid + by, hi + by); }
    void Read(Index i) { observer.Read(i + by); }

    Index Place(Index place) const { return IsScratch(place) ? place : place + by; }
};

// The depth of partitions the whole array may go through before its parts are heap sorted.
inline int DepthLimit(Index numItems) { return numItems < 1 ? 0 : 2 * (std::bit_width(std::uint64_t(numItems)) - 1); }

}  // namespace intro

// Median quick sort with two changes, as C++ libraries sort: a part of 16 items or fewer is
// sorted by insertion, and a part larger than that met after 2 floor(log2 n) partitions is
// heap sorted, so that no items make it quadratic.
template <SortObserver Observer>
SORTING_HOT_LOOP void IntroSort(Items theArray, Observer& observer)
{
    quick::SortParts(
        theArray, intro::DepthLimit(NumItems(theArray)), [&](const quick::Part& part) -> std::optional<quick::Split> {
            // Every step of a part comes from the line that says what is done with the part.
            const auto at = [&](int line) {
                return [&, line](auto...) { NoteLine(observer, line, part.lo, part.hi, part.depth); };
            };
            if (part.hi - part.lo + 1 <= intro::kSmallPart) {
                InsertionSortRange(theArray, part.lo, part.hi, observer, at(2));
                return std::nullopt;
            }
            if (part.depth == 0) {
                intro::Shifted<Observer> shifted{observer, part.lo - 1, part};
                HeapSort(theArray.subspan(std::size_t(part.lo - 1), std::size_t(part.hi - part.lo + 2)), shifted);
                return std::nullopt;
            }
            quick::MedianToEnd(theArray, part.lo, part.hi, observer, at(4));
            const Index p = quick::Partition(theArray, part.lo, part.hi, observer, at(5));
            return quick::Split{p - 1, p + 1};
        });
}

}  // namespace sorting
