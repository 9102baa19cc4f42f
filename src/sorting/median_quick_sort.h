#pragma once

#include "sorting/hot_loop.h"
#include "sorting/quick_sort.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

namespace quick {

// Puts the median of items lo, (lo + hi) \ 2 and hi at hi, to be the pivot: three comparisons,
// an exchange for each that finds two of them out of order, and one to bring the median last.
template <SortObserver Observer>
inline void MedianToEnd(Items theArray, Index lo, Index hi, Observer& observer)
{
    const Index mid = (lo + hi) / 2;
    observer.Compared(mid, lo);
    if (theArray[mid] < theArray[lo]) Swap(theArray, lo, mid, observer);
    observer.Compared(hi, lo);
    if (theArray[hi] < theArray[lo]) Swap(theArray, lo, hi, observer);
    observer.Compared(hi, mid);
    if (theArray[hi] < theArray[mid]) Swap(theArray, mid, hi, observer);
    Swap(theArray, mid, hi, observer);
}

}  // namespace quick

// Quick sort with the median of three items as the pivot of every part of three items or
// more: items in order no longer peel off one at a time.
template <SortObserver Observer>
SORTING_HOT_LOOP void MedianQuickSort(Items theArray, Observer& observer)
{
    quick::SortParts(theArray, 0, [&](const quick::Part& part) {
        if (part.hi - part.lo + 1 >= 3) quick::MedianToEnd(theArray, part.lo, part.hi, observer);
        const Index p = quick::Partition(theArray, part.lo, part.hi, observer);
        return std::optional<quick::Split>({p - 1, p + 1});
    });
}

}  // namespace sorting
