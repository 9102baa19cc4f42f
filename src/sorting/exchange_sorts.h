#pragma once

#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"

namespace sorting {

// Exchanges items I and J; the one way the exchange sorts change items.
template <SortObserver Observer>
inline void Swap(Items theArray, Index i, Index j, Observer& observer)
{
    const float held = theArray[i];
    theArray[i] = theArray[j];
    theArray[j] = held;
    observer.Swapped(i, j);
}

// Each pass picks the smallest remaining item (the first of equal ones) and swaps it into
// place, also when it is already there.
template <SortObserver Observer>
SORTING_HOT_LOOP void SelectionSort(Items theArray, Observer& observer)
{
    const Index numItems = NumItems(theArray);
    for (Index i = 1; i <= numItems - 1; ++i) {
        Index m = i;
        for (Index j = i + 1; j <= numItems; ++j) {
            observer.Compared();
            if (theArray[j] < theArray[m]) m = j;
        }
        Swap(theArray, m, i, observer);
    }
}

// Each item moves down by exchanges with its left neighbour while that one is greater. The
// test at j = 1 reads element 0, which holds 0 and so never lets an item pass.
template <SortObserver Observer>
SORTING_HOT_LOOP void InsertionSort(Items theArray, Observer& observer)
{
    const Index numItems = NumItems(theArray);
    for (Index i = 2; i <= numItems; ++i) {
        const float inserted = theArray[i];
        Index j = i;
        for (;;) {
            observer.Compared();
            if (!(theArray[j - 1] > inserted && j > 1)) break;
            Swap(theArray, j - 1, j, observer);
            --j;
        }
    }
}

// Every pass is made, even after one without an exchange; equal neighbours stay.
template <SortObserver Observer>
SORTING_HOT_LOOP void BubbleSort(Items theArray, Observer& observer)
{
    const Index numItems = NumItems(theArray);
    for (Index j = 1; j <= numItems - 1; ++j) {
        for (Index i = 1; i <= numItems - j; ++i) {
            observer.Compared();
            if (theArray[i] > theArray[i + 1]) Swap(theArray, i, i + 1, observer);
        }
    }
}

}  // namespace sorting
