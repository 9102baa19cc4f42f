#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/quick_sort.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

namespace median_quick {

enum class Line { Part, Middle, Order, Median, Compare, Exchange, Place, End };
inline constexpr CodeLine kCode[] = {
    {Line::Part, "part",
     SORTING_WORDS("Code",
                   "take the next part lo..hi of two items or more: the whole array, then the left parts first")},
    {Line::Middle, "middle", SORTING_WORDS("Code", "  if it has three items or more: mid = (lo + hi) / 2")},
    {Line::Order, "order",
     SORTING_WORDS("Code", "    order items lo, mid and hi, exchanging two where they are out of order")},
    {Line::Median, "median",
     SORTING_WORDS("Code", "    exchange items mid and hi: the median of the three is the pivot")},
    {Line::Compare, "compare",
     SORTING_WORDS("Code", "  pivot = item hi; i = lo - 1; for j = lo to hi - 1: if item j <= pivot")},
    {Line::Exchange, "exchange", SORTING_WORDS("Code", "    i = i + 1; exchange items i and j unless they are one")},
    {Line::Place, "place",
     SORTING_WORDS("Code", "  exchange items i + 1 and hi unless they are one: the pivot is in place")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value lo{}, hi{}, mid{}, pivot{}, i{}, j{};
};
inline constexpr Variable<Variables> kVariables[] = {
    {SORTING_WORDS("Code", "lo"), &Variables::lo},   {SORTING_WORDS("Code", "hi"), &Variables::hi},
    {SORTING_WORDS("Code", "mid"), &Variables::mid}, {SORTING_WORDS("Code", "pivot"), &Variables::pivot},
    {SORTING_WORDS("Code", "i"), &Variables::i},     {SORTING_WORDS("Code", "j"), &Variables::j}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

}  // namespace median_quick

namespace quick {

// Puts the median of items lo, (lo + hi) \ 2 and hi at hi, to be the pivot: three comparisons,
// an exchange for each that finds two of them out of order, and one to bring the median last.
// `note(line, mid)` tells the sort's code, before each step, the line it comes from: `order` for
// the three comparisons and their exchanges, `median` for the last exchange.
template <SortObserver Observer, typename Name, typename Note>
inline void MedianToEnd(Items theArray, Index lo, Index hi, Observer& observer, Name order, Name median, Note note)
{
    const Index mid = (lo + hi) / 2;
    const auto put = [&](Index a, Index b) {
        note(order, mid);
        observer.Compared(b, a);
        if (theArray[b] < theArray[a]) Swap(theArray, a, b, observer);
    };
    put(lo, mid);
    put(lo, hi);
    put(mid, hi);
    note(median, mid);
    Swap(theArray, mid, hi, observer);
}

}  // namespace quick

// Quick sort with the median of three items as the pivot of every part of three items or
// more: items in order no longer peel off one at a time.
template <SortObserver Observer>
SORTING_HOT_LOOP void MedianQuickSort(Items theArray, Observer& observer)
{
    quick::SortParts(theArray, 0, [&](const quick::Part& part) {
        using median_quick::Line;
        using median_quick::Variables;
        Value mid;
        if (part.hi - part.lo + 1 >= 3)
            quick::MedianToEnd(theArray, part.lo, part.hi, observer, Line::Order, Line::Median,
                               [&](Line line, Index middle) {
                                   mid = middle;
                                   NoteLine(observer, line, Variables{.lo = part.lo, .hi = part.hi, .mid = mid});
                               });
        const auto note = [&](Line line, float pivot, Index i, Value j) {
            NoteLine(observer, line,
                     Variables{.lo = part.lo, .hi = part.hi, .mid = mid, .pivot = pivot, .i = i, .j = j});
        };
        const Index p = quick::Partition(theArray, part.lo, part.hi, observer,
                                         quick::PartitionLines<Line>{Line::Compare, Line::Exchange, Line::Place}, note);
        NotePassEnded(observer, theArray);
        return std::optional<quick::Split>({p - 1, p + 1});
    });
}

}  // namespace sorting
