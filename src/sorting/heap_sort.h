#pragma once

#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

namespace heap {

// Lets item k sink within items 1 to n, a heap but for k: while k has a child, it changes
// places with its greater child (the left one of equal children) if that child is greater.
template <SortObserver Observer>
inline void Sink(Items theArray, Index k, Index n, Observer& observer)
{
    while (2 * k <= n) {
        Index j = 2 * k;
        if (j < n) {
            observer.Compared(j, j + 1);
            if (theArray[j] < theArray[j + 1]) ++j;
        }
        observer.Compared(k, j);
        if (!(theArray[k] < theArray[j])) return;
        Swap(theArray, k, j, observer);
        k = j;
    }
}

}  // namespace heap

// The items are made a heap from the bottom up (each parent sinks, the last first), then the
// largest, at 1, is exchanged with the last item of the heap, which shrinks by one and lets
// the new first item sink.
template <SortObserver Observer>
SORTING_HOT_LOOP void HeapSort(Items theArray, Observer& observer)
{
    const Index numItems = NumItems(theArray);
    for (Index k = numItems / 2; k >= 1; --k) heap::Sink(theArray, k, numItems, observer);
    for (Index n = numItems; n > 1;) {
        Swap(theArray, 1, n, observer);
        --n;
        heap::Sink(theArray, 1, n, observer);
    }
}

}  // namespace sorting
