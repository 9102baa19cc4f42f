#pragma once

#include "sorting/bubble_sort.h"
#include "sorting/heap_sort.h"
#include "sorting/insertion_sort.h"
#include "sorting/merge_sort.h"
#include "sorting/quick_sort.h"
#include "sorting/selection_sort.h"
#include "sorting/shell_sort.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace sorting {

// The window's four methods first, in its list's order, so that a list index is a method;
// the companion programs offer the three after them too.
enum class SortMethod { Selection = 0, Insertion = 1, Bubble = 2, Merge = 3, Shell = 4, Heap = 5, Quick = 6 };

inline constexpr std::array<SortMethod, 4> kWindowMethods{SortMethod::Selection, SortMethod::Insertion,
                                                          SortMethod::Bubble, SortMethod::Merge};
inline constexpr std::array<SortMethod, 7> kAllMethods{SortMethod::Selection, SortMethod::Insertion, SortMethod::Bubble,
                                                       SortMethod::Merge,     SortMethod::Shell,     SortMethod::Heap,
                                                       SortMethod::Quick};

constexpr std::string_view MethodName(SortMethod method)
{
    constexpr std::array<std::string_view, 7> names{"Selection", "Insertion", "Bubble", "Merge",
                                                    "Shell",     "Heap",      "Quick"};
    return names[static_cast<std::size_t>(method)];
}

// The memory a method needs beyond the items, at the most: merge sort's scratch array, quick
// sort's parts waiting to be sorted.
constexpr std::uint64_t ExtraBytes(SortMethod method, Index numItems)
{
    if (method == SortMethod::Merge) return MergeScratchBytes(numItems);
    if (method == SortMethod::Quick) return QuickStackBytes(numItems);
    return 0;
}

template <SortObserver Observer>
void Sort(SortMethod method, Items theArray, Observer& observer)
{
    switch (method) {
        case SortMethod::Selection:
            return SelectionSort(theArray, observer);
        case SortMethod::Insertion:
            return InsertionSort(theArray, observer);
        case SortMethod::Bubble:
            return BubbleSort(theArray, observer);
        case SortMethod::Merge:
            return MergeSort(theArray, observer);
        case SortMethod::Shell:
            return ShellSort(theArray, observer);
        case SortMethod::Heap:
            return HeapSort(theArray, observer);
        case SortMethod::Quick:
            return QuickSort(theArray, observer);
    }
}

}  // namespace sorting
