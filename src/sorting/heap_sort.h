#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

#include <utility>

namespace sorting {

template <typename Watcher>
SORTING_HOT_LOOP void HeapSortFast(Items theArray, Watcher& watcher);

namespace heap {

enum class Line { Build, Last, Take, Sink, Child, Test, Exchange, End };
inline constexpr CodeLine kCode[] = {
    {Line::Build, "build", SORTING_WORDS("Code", "for k = n / 2 down to 1: sink item k within 1..n")},
    {Line::Last, "last", SORTING_WORDS("Code", "for last = n down to 2")},
    {Line::Take, "take", SORTING_WORDS("Code", "  exchange items 1 and last; sink item 1 within 1..last - 1")},
    {Line::Sink, "sink", SORTING_WORDS("Code", "sink item k within 1..last: while 2k <= last")},
    {Line::Child, "child", SORTING_WORDS("Code", "  j = 2k; if j < last and item j < item j + 1: j = j + 1")},
    {Line::Test, "test", SORTING_WORDS("Code", "  if not item k < item j: stop")},
    {Line::Exchange, "exchange", SORTING_WORDS("Code", "  exchange items k and j; k = j")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value k{}, j{}, last{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "k"), &Variables::k},
                                                     {SORTING_WORDS("Code", "j"), &Variables::j},
                                                     {SORTING_WORDS("Code", "last"), &Variables::last}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

// Lets item k sink within items 1 to n, a heap but for k: while k has a child, it changes
// places with its greater child (the left one of equal children) if that child is greater.
template <SortObserver Observer>
inline void Sink(Items theArray, Index k, Index n, Observer& observer)
{
    while (2 * k <= n) {
        Index j = 2 * k;
        if (j < n) {
            NoteLine(observer, Line::Child, Variables{.k = k, .j = j, .last = n});
            observer.Compared(j, j + 1);
            if (theArray[j] < theArray[j + 1]) ++j;
        }
        NoteLine(observer, Line::Test, Variables{.k = k, .j = j, .last = n});
        observer.Compared(k, j);
        if (!(theArray[k] < theArray[j])) return;
        NoteLine(observer, Line::Exchange, Variables{.k = k, .j = j, .last = n});
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
    if constexpr (!kListens<Observer>) return HeapSortFast(theArray, observer);
    const Index numItems = NumItems(theArray);
    NoteCall(observer, heap::Line::Build);
    for (Index k = numItems / 2; k >= 1; --k) {
        heap::Sink(theArray, k, numItems, observer);
        NotePassEnded(observer, theArray);
    }
    NoteCall(observer, heap::Line::Take);
    for (Index n = numItems; n > 1;) {
        NoteLine(observer, heap::Line::Take, heap::Variables{.k = 1, .last = n});
        Swap(theArray, 1, n, observer);
        --n;
        heap::Sink(theArray, 1, n, observer);
        NotePassEnded(observer, theArray);
    }
}

namespace heap {

// The same sinking for a run that nobody watches: the greater child chosen by adding the
// comparison's outcome rather than by a branch, the item held while each greater child it
// passes moves up, and written once where the exchanges would leave it. The grandchildren
// are fetched from memory while the children are compared: all four share a cache line.
inline void SinkUnwatched(float* a, Index k, Index n)
{
    const float item = a[k];
    Index j = 2 * k;
    for (; j < n; j = 2 * k) {
        __builtin_prefetch(a + 4 * k);
        const Index right = a[j] < a[j + 1];
        j += right;
        const float child = a[j];
        if (!(item < child)) break;
        a[k] = child;
        k = j;
    }
    if (j == n && item < a[n]) {
        a[k] = a[n];
        k = n;
    }
    a[k] = item;
}

}  // namespace heap

template <typename Watcher>
SORTING_HOT_LOOP void HeapSortFast(Items theArray, Watcher& watcher)
{
    float* a = theArray.data();
    const Index numItems = NumItems(theArray);
    for (Index k = numItems / 2; k >= 1; --k) {
        heap::SinkUnwatched(a, k, numItems);
        NotePassEnded(watcher, theArray);
    }
    for (Index n = numItems; n > 1;) {
        std::swap(a[1], a[n]);
        heap::SinkUnwatched(a, 1, --n);
        NotePassEnded(watcher, theArray);
    }
}

}  // namespace sorting
