#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

namespace shell {

inline constexpr std::string_view kCode[] = {
    SORTING_WORDS("Code", "h = 1, 4, 13, ... the last below n / 3"),
    SORTING_WORDS("Code", "while h >= 1"),
    SORTING_WORDS("Code", "  for i = h + 1 to n"),
    SORTING_WORDS("Code", "    for j = i, i - h, ... while j > h"),
    SORTING_WORDS("Code", "      if not item j < item j - h: next i"),
    SORTING_WORDS("Code", "      exchange items j and j - h"),
    SORTING_WORDS("Code", "  h = h / 3"),
};
inline constexpr std::string_view kVariables[] = {SORTING_WORDS("Code", "h"), SORTING_WORDS("Code", "i"),
                                                  SORTING_WORDS("Code", "j")};

}  // namespace shell

// Insertion sort over items h apart, for Knuth's gaps h = ..., 40, 13, 4, 1: the largest gap
// is the last of 1, 4, 13, ... below NumItems \ 3. Each item moves down its h-chain by
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
                NoteLine(observer, 5, h, i, j);
                observer.Compared(j, j - h);
                if (!(theArray[j] < theArray[j - h])) break;
                NoteLine(observer, 6, h, i, j);
                Swap(theArray, j, j - h, observer);
            }
        }
    }
}

}  // namespace sorting
