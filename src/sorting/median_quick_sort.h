#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/quick_sort.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

namespace median_quick {

inline constexpr std::string_view kCode[] = {
    SORTING_WORDS("Code", "take the next part lo..hi of two items or more, the whole array first"),
    SORTING_WORDS("Code", "  if it has three items or more: mid = (lo + hi) / 2"),
    SORTING_WORDS("Code", "    order items lo, mid and hi, exchanging two where they are out of order"),
    SORTING_WORDS("Code", "    exchange items mid and hi: the median of the three is the pivot"),
    SORTING_WORDS("Code", "  pivot = item hi; i = lo - 1"),
    SORTING_WORDS("Code", "  for j = lo to hi - 1: if item j <= pivot"),
    SORTING_WORDS("Code", "    i = i + 1; exchange items i and j unless they are one"),
    SORTING_WORDS("Code", "  exchange items i + 1 and hi unless they are one: the pivot is in place"),
};
inline constexpr std::string_view kVariables[] = {SORTING_WORDS("Code", "lo"),  SORTING_WORDS("Code", "hi"),
                                                  SORTING_WORDS("Code", "mid"), SORTING_WORDS("Code", "pivot"),
                                                  SORTING_WORDS("Code", "i"),   SORTING_WORDS("Code", "j")};

}  // namespace median_quick

namespace quick {

// Puts the median of items lo, (lo + hi) \ 2 and hi at hi, to be the pivot: three comparisons,
// an exchange for each that finds two of them out of order, and one to bring the median last.
// `at(last, mid)` tells the sort's code where each step comes from: the last exchange, or the
// three before it.
template <SortObserver Observer, typename At>
inline void MedianToEnd(Items theArray, Index lo, Index hi, Observer& observer, At at)
{
    const Index mid = (lo + hi) / 2;
    const auto order = [&](Index a, Index b) {
        at(false, mid);
        observer.Compared(b, a);
        if (theArray[b] < theArray[a]) Swap(theArray, a, b, observer);
    };
    order(lo, mid);
    order(lo, hi);
    order(mid, hi);
    at(true, mid);
    Swap(theArray, mid, hi, observer);
}

}  // namespace quick

// Quick sort with the median of three items as the pivot of every part of three items or
// more: items in order no longer peel off one at a time.
template <SortObserver Observer>
SORTING_HOT_LOOP void MedianQuickSort(Items theArray, Observer& observer)
{
    quick::SortParts(theArray, 0, [&](const quick::Part& part) {
        double mid = kUnset;
        if (part.hi - part.lo + 1 >= 3)
            quick::MedianToEnd(theArray, part.lo, part.hi, observer, [&](bool last, Index middle) {
                mid = double(middle);
                NoteLine(observer, last ? 4 : 3, part.lo, part.hi, mid, kUnset, kUnset, kUnset);
            });
        const auto at = [&](quick::Step step, auto pivot, auto i, auto j) {
            NoteLine(observer, 6 + static_cast<int>(step), part.lo, part.hi, mid, pivot, i, j);
        };
        const Index p = quick::Partition(theArray, part.lo, part.hi, observer, at);
        return std::optional<quick::Split>({p - 1, p + 1});
    });
}

}  // namespace sorting
