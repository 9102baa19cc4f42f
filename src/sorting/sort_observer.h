#pragma once

#include "sorting/method_code.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace sorting {

// Item indices: 1 to NumItems address the items, 0 an element that is no item.
using Index = std::ptrdiff_t;

// The items of a run: element 0 holds 0 and is no item; the items are at 1 to NumItems.
using Items = std::span<float>;

inline Index NumItems(std::span<const float> theArray) { return static_cast<Index>(theArray.size()) - 1; }

// The memory of an array of `numItems` items and element 0.
constexpr std::uint64_t ItemsBytes(std::int32_t numItems)
{
    return (static_cast<std::uint64_t>(numItems) + 1) * sizeof(float);
}

// A place a step reads or writes: an element of the array (0 to NumItems, its index), or an
// entry of the sort's scratch area, which is named by a negative number.
constexpr Index ScratchPlace(Index entry) { return -1 - entry; }
constexpr bool IsScratch(Index place) { return place < 0; }
constexpr Index ScratchEntry(Index place) { return -1 - place; }
// The scratch area has an entry for each element of the array, indexed like them.
constexpr std::size_t ScratchEntries(Index numItems) { return static_cast<std::size_t>(numItems) + 1; }

// What a sort tells about its work as it goes: the bar chart redraws what changed, a
// counting tool counts, the race records every step. The sorts are templates over it, so
// that an observer whose hooks do nothing costs nothing.
// - Compared(a, b): the two places a comparison reads (element 0 where insertion sort's test
//   reads it, scratch entries where a merge compares its copies);
// - Swapped(i, j): an exchange of items i and j, three moves;
// - Moved(from, to): one item copied from a place to another, such as into a scratch area;
// - Merged(lo, mid, hi): a merge of lo..mid with mid + 1..hi has ended, its moves heard;
// - Read(i): item i read for what it is, not compared (a distribution sort's key).
template <typename T>
concept SortObserver = requires(T observer, Index i)
{
    observer.Compared(i, i);
    observer.Swapped(i, i);
    observer.Moved(i, i);
    observer.Merged(i, i, i);
    observer.Read(i);
};

// Hears every step and does nothing with it: an observer that wants only some of the steps
// takes the others from here.
struct IgnoresSteps {
    void Compared(Index, Index) {}
    void Swapped(Index, Index) {}
    void Moved(Index, Index) {}
    void Merged(Index, Index, Index) {}
    void Read(Index) {}
};

// Nobody watches: the sorts then take their fast forms.
struct NoObserver : IgnoresSteps {};

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
