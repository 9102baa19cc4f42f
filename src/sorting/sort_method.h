#pragma once

#include "sorting/bubble_sort.h"
#include "sorting/insertion_sort.h"
#include "sorting/merge_sort.h"
#include "sorting/selection_sort.h"

#include <array>
#include <string_view>

namespace sorting {

// The methods in the order the window lists them; the position is the list index.
enum class SortMethod { Selection = 0, Insertion = 1, Bubble = 2, Merge = 3 };

inline constexpr std::array<SortMethod, 4> kSortMethods{SortMethod::Selection, SortMethod::Insertion,
                                                        SortMethod::Bubble, SortMethod::Merge};

constexpr std::string_view MethodName(SortMethod method)
{
    constexpr std::array<std::string_view, 4> names{"Selection", "Insertion", "Bubble", "Merge"};
    return names[static_cast<std::size_t>(method)];
}

template <SortObserver Observer>
void Sort(SortMethod method, Items theArray, Observer& observer)
{
    switch (method) {
        case SortMethod::Selection:
            SelectionSort(theArray, observer);
            break;
        case SortMethod::Insertion:
            InsertionSort(theArray, observer);
            break;
        case SortMethod::Bubble:
            BubbleSort(theArray, observer);
            break;
        case SortMethod::Merge:
            MergeSort(theArray, observer);
            break;
    }
}

}  // namespace sorting
