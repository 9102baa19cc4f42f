#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/quick_sort.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

namespace three_way_quick {

enum class Line { Part, Loop, Less, Greater, End };
inline constexpr CodeLine kCode[] = {
    {Line::Part, "part",
     SORTING_WORDS("Code",
                   "take the next part lo..hi of two items or more: the whole array, then the left parts first")},
    {Line::Loop, "loop", SORTING_WORDS("Code", "  lt = lo, gt = hi, i = lo + 1; while i <= gt")},
    {Line::Less, "less",
     SORTING_WORDS("Code", "    if item i < item lt: exchange items lt and i; lt = lt + 1; i = i + 1")},
    {Line::Greater, "greater",
     SORTING_WORDS("Code",
                   "    else if item lt < item i: exchange items i and gt unless one, gt = gt - 1; else i = i + 1")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value lo{}, hi{}, lt{}, gt{}, i{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "lo"), &Variables::lo},
                                                     {SORTING_WORDS("Code", "hi"), &Variables::hi},
                                                     {SORTING_WORDS("Code", "lt"), &Variables::lt},
                                                     {SORTING_WORDS("Code", "gt"), &Variables::gt},
                                                     {SORTING_WORDS("Code", "i"), &Variables::i}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

}  // namespace three_way_quick

namespace quick {

// The partition below for a run that nobody watches: the same exchanges in the same order,
// with no branch to guess. The item under examination is held in a register, where the
// exchanges would put it at i, and the next items from either end are read ahead: after an
// item greater than the pivot comes the one at gt, after any other the one after i. Each step
// writes the held item where it goes (lt, i or gt), and at i what the exchanges leave there:
// the item from lt where it went to lt, the held item otherwise, which a later step overwrites
// where it was only held. The pivot's value is held apart for the tests; the writes move the
// items themselves, so that -0 and 0 stay where the exchanges put them.
inline Split ThreeWayPartitionUnwatched(float* a, Index lo, Index hi)
{
    const float pivot = a[lo];
    Index lt = lo, gt = hi, i = lo + 1;
    float item = a[i], fromFront = a[i + (i < hi)], fromBack = a[gt];
    const auto step = [&] {
        const Index less = item < pivot, greater = pivot < item;
        const Index to = i + ((lt - i) & -less) + ((gt - i) & -greater);
        const float leftBehind = a[lt];
        a[i] = less ? leftBehind : item;
        a[to] = item;
        item = greater ? fromBack : fromFront;
        lt += less;
        gt -= greater;
        i += 1 - greater;
    };
    // Until the last step, item i + 1 lies within the part; after it, nothing more is read.
    while (i < gt) {
        step();
        fromFront = a[i + (i < gt)];
        fromBack = a[gt];
    }
    if (i == gt) step();
    return {lt - 1, gt + 1};
}

// Parts items lo to hi into those less than the first item, those equal to it, and those
// greater: lt..gt hold the equal ones at the end, and a(lt) is always the pivot's value.
template <SortObserver Observer>
inline Split ThreeWayPartition(Items theArray, Index lo, Index hi, Observer& observer)
{
    if constexpr (!kListens<Observer>) return ThreeWayPartitionUnwatched(theArray.data(), lo, hi);
    Index lt = lo, gt = hi, i = lo + 1;
    const auto at = [&] { return three_way_quick::Variables{.lo = lo, .hi = hi, .lt = lt, .gt = gt, .i = i}; };
    while (i <= gt) {
        NoteLine(observer, three_way_quick::Line::Less, at());
        observer.Compared(i, lt);
        if (theArray[i] < theArray[lt]) {
            Swap(theArray, lt, i, observer);
            ++lt;
            ++i;
            continue;
        }
        NoteLine(observer, three_way_quick::Line::Greater, at());
        observer.Compared(lt, i);
        if (theArray[lt] < theArray[i]) {
            if (i != gt) Swap(theArray, i, gt, observer);
            --gt;
        } else {
            ++i;
        }
    }
    return {lt - 1, gt + 1};
}

}  // namespace quick

// Quick sort that sets the items equal to the pivot apart once and for all: on few distinct
// values the parts shrink by whole groups of equal items.
template <SortObserver Observer>
SORTING_HOT_LOOP void ThreeWayQuickSort(Items theArray, Observer& observer)
{
    quick::SortParts(theArray, 0, [&](const quick::Part& part) {
        const auto split = quick::ThreeWayPartition(theArray, part.lo, part.hi, observer);
        NotePassEnded(observer, theArray);
        return std::optional(split);
    });
}

}  // namespace sorting
