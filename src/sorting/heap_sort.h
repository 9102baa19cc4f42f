#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

namespace heap {

inline constexpr std::string_view kCode[] = {
    SORTING_WORDS("Code", "for k = n / 2 down to 1: sink item k within 1..n"),
    SORTING_WORDS("Code", "for last = n down to 2"),
    SORTING_WORDS("Code", "  exchange items 1 and last; sink item 1 within 1..last - 1"),
    SORTING_WORDS("Code", "sink item k within 1..last: while 2k <= last"),
    SORTING_WORDS("Code", "  j = 2k; if j < last and item j < item j + 1: j = j + 1"),
    SORTING_WORDS("Code", "  if not item k < item j: stop"),
    SORTING_WORDS("Code", "  exchange items k and j; k = j"),
};
inline constexpr std::string_view kVariables[] = {SORTING_WORDS("Code", "k"), SORTING_WORDS("Code", "j"),
                                                  SORTING_WORDS("Code", "last")};

// Lets item k sink within items 1 to n, a heap but for k: while k has a child, it changes
// places with its greater child (the left one of equal children) if that child is greater.
template <SortObserver Observer>
inline void Sink(Items theArray, Index k, Index n, Observer& observer)
{
    while (2 * k <= n) {
        Index j = 2 * k;
        if (j < n) {
            NoteLine(observer, 5, k, j, n);
            observer.Compared(j, j + 1);
            if (theArray[j] < theArray[j + 1]) ++j;
        }
        NoteLine(observer, 6, k, j, n);
        observer.Compared(k, j);
        if (!(theArray[k] < theArray[j])) return;
        NoteLine(observer, 7, k, j, n);
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
        NoteLine(observer, 3, 1, kUnset, n);
        Swap(theArray, 1, n, observer);
        --n;
        heap::Sink(theArray, 1, n, observer);
    }
}

}  // namespace sorting
