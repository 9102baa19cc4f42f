#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

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
    const Index numItems = NumItems(theArray);
    NoteCall(observer, heap::Line::Build);
    for (Index k = numItems / 2; k >= 1; --k) heap::Sink(theArray, k, numItems, observer);
    NoteCall(observer, heap::Line::Take);
    for (Index n = numItems; n > 1;) {
        NoteLine(observer, heap::Line::Take, heap::Variables{.k = 1, .last = n});
        Swap(theArray, 1, n, observer);
        --n;
        heap::Sink(theArray, 1, n, observer);
    }
}

}  // namespace sorting
