#pragma once

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

}  // namespace sorting
