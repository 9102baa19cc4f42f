#pragma once

#include <cstddef>
#include <span>

namespace sorting {

// Item indices: 1 to NumItems address the items, 0 an element that is no item.
using Index = std::ptrdiff_t;

// The items of a run: element 0 holds 0 and is no item; the items are at 1 to NumItems.
using Items = std::span<float>;

inline Index NumItems(std::span<const float> theArray) { return static_cast<Index>(theArray.size()) - 1; }

// What a sort tells about its work as it goes: the bar chart redraws what changed, a
// counting tool counts. The sorts are templates over it, so that an observer whose hooks do
// nothing costs nothing.
template <typename T>
concept SortObserver = requires(T observer, Index i)
{
    observer.Compared();
    observer.Swapped(i, i);
    observer.Merged(i, i, i);
};

// Watches nothing: the sorts then run as plain loops.
struct NoObserver {
    void Compared() {}
    void Swapped(Index, Index) {}
    void Merged(Index, Index, Index) {}
};

}  // namespace sorting
