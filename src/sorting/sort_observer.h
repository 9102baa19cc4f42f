#pragma once

#include <cstddef>
#include <span>
#include <type_traits>

namespace sorting {

// Item indices: 1 to NumItems address the items, 0 an element that is no item.
using Index = std::ptrdiff_t;

// The items of a run: element 0 holds 0 and is no item; the items are at 1 to NumItems.
using Items = std::span<float>;

inline Index NumItems(std::span<const float> theArray) { return static_cast<Index>(theArray.size()) - 1; }

// What a sort tells about its work as it goes: the bar chart redraws what changed, a
// counting tool counts. The sorts are templates over it, so that an observer whose hooks do
// nothing costs nothing.
// Compared(i, j) names the two items a comparison reads (element 0 where insertion sort's
// test reads it; for a merge, the places its two items held when the merge began).
template <typename T>
concept SortObserver = requires(T observer, Index i)
{
    observer.Compared(i, i);
    observer.Swapped(i, i);
    observer.Merged(i, i, i);
};

// Watches nothing: the sorts then take their fast forms.
struct NoObserver {
    void Compared(Index, Index) {}
    void Swapped(Index, Index) {}
    void Merged(Index, Index, Index) {}
};

// Whether anybody listens to the sort's steps; when nobody does, a sort may take its fast
// form, which makes the same passes and leaves the same items but reports nothing.
template <typename Observer>
constexpr bool kListens = !std::is_same_v<Observer, NoObserver>;

// Tells a watcher that asks for it (`PassEnded(items)`) that an outer pass of the sort has
// ended, so that a test can hold the two forms of a sort against each other pass by pass.
template <typename Watcher>
inline void NotePassEnded(Watcher& watcher, std::span<const float> theArray)
{
    if constexpr (requires { watcher.PassEnded(theArray); }) watcher.PassEnded(theArray);
}

}  // namespace sorting
