#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

namespace shell {

enum class Line { Gaps, Item, Down, Compare, Exchange, End };
inline constexpr CodeLine kCode[] = {
    {Line::Gaps, "gaps",
     SORTING_WORDS("Code", "for h = the first of 1, 4, 13, ... at least n / 3 rounded down, then h / 3, ..., 1")},
    {Line::Item, "item", SORTING_WORDS("Code", "  for i = h + 1 to n")},
    {Line::Down, "down", SORTING_WORDS("Code", "    for j = i, i - h, ... while j > h")},
    {Line::Compare, "compare", SORTING_WORDS("Code", "      if not item j < item j - h: next i")},
    {Line::Exchange, "exchange", SORTING_WORDS("Code", "      exchange items j and j - h")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value h{}, i{}, j{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "h"), &Variables::h},
                                                     {SORTING_WORDS("Code", "i"), &Variables::i},
                                                     {SORTING_WORDS("Code", "j"), &Variables::j}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

}  // namespace shell

// Insertion sort over items h apart, for Knuth's gaps h = ..., 40, 13, 4, 1: the largest gap
// is the first of 1, 4, 13, ... that is at least NumItems \ 3 (4 for 10 items). Each item moves down its h-chain by
// exchanges while the item h places before it is greater; equal items are never exchanged.
template <SortObserver Observer>
SORTING_HOT_LOOP void ShellSort(Items theArray, Observer& observer)
{
    const Index numItems = NumItems(theArray);
    Index h = 1;
    while (h < numItems / 3) h = 3 * h + 1;
    for (; h >= 1; h /= 3) {
        for (Index i = h + 1; i <= numItems; ++i) {
            for (Index j = i; j > h; j -= h) {
                NoteLine(observer, shell::Line::Compare, shell::Variables{.h = h, .i = i, .j = j});
                observer.Compared(j, j - h);
                if (!(theArray[j] < theArray[j - h])) break;
                NoteLine(observer, shell::Line::Exchange, shell::Variables{.h = h, .i = i, .j = j});
                Swap(theArray, j, j - h, observer);
            }
        }
    }
}

}  // namespace sorting
