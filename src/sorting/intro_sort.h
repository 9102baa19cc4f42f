#pragma once

#include "platform/words.h"
#include "sorting/heap_sort.h"
#include "sorting/hot_loop.h"
#include "sorting/insertion_sort.h"
#include "sorting/median_quick_sort.h"
#include "sorting/sort_observer.h"

#include <bit>

namespace sorting {

namespace intro {

enum class Line { Part, Small, Heap, Median, Partition, End };
inline constexpr CodeLine kCode[] = {
    {Line::Part, "part",
     SORTING_WORDS("Code", "take the next part lo..hi, the whole array first, at depth 2 floor(log2 n)")},
    {Line::Small, "small", SORTING_WORDS("Code", "  if it has 16 items or fewer: sort it by insertion")},
    {Line::Heap, "heap", SORTING_WORDS("Code", "  else if its depth is 0: sort it by heap sort")},
    {Line::Median, "median", SORTING_WORDS("Code", "  else: bring the median of items lo, (lo + hi) / 2 and hi to hi")},
    {Line::Partition, "partition",
     SORTING_WORDS("Code",
                   "    partition around it as quick sort does; both parts wait, one less deep, the left first")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value lo{}, hi{}, depth{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "lo"), &Variables::lo},
                                                     {SORTING_WORDS("Code", "hi"), &Variables::hi},
                                                     {SORTING_WORDS("Code", "depth"), &Variables::depth}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

inline Variables Of(const quick::Part& part) { return {.lo = part.lo, .hi = part.hi, .depth = part.depth}; }

// Parts this small are sorted by insertion.
inline constexpr Index kSmallPart = 16;

// Tells the observer of a sort of items lo to hi, run as if they were items 1 to n, the places
// it touches in the whole array, and says that its steps come from the heap sort's line.
template <SortObserver Observer>
struct Shifted {
    Observer& observer;
    Index by;
    const quick::Part& part;

    template <typename Name, typename Values>
    void Line(Name, const Values&)
    {
        NoteLine(observer, intro::Line::Heap, Of(part));
    }
    void Compared(Index a, Index b) { observer.Compared(a + by, b + by); }
    void Swapped(Index i, Index j) { observer.Swapped(i + by, j + by); }
    void Moved(Index from, Index to) { observer.Moved(Place(from), Place(to)); }
    void Merged(Index lo, Index mid, Index hi) { observer.Merged(lo + by, mid + by, hi + by); }
    void Read(Index i) { observer.Read(i + by); }

    Index Place(Index place) const { return IsScratch(place) ? place : place + by; }
};

// The depth of partitions the whole array may go through before its parts are heap sorted.
inline int DepthLimit(Index numItems) { return numItems < 1 ? 0 : 2 * (std::bit_width(std::uint64_t(numItems)) - 1); }

}  // namespace intro

// Median quick sort with two changes, as C++ libraries sort: a part of 16 items or fewer is
// sorted by insertion, and a part larger than that met after 2 floor(log2 n) partitions is
// heap sorted, so that no items make it quadratic.
template <SortObserver Observer>
SORTING_HOT_LOOP void IntroSort(Items theArray, Observer& observer)
{
    quick::SortParts(
        theArray, intro::DepthLimit(NumItems(theArray)), [&](const quick::Part& part) -> std::optional<quick::Split> {
            // Every step of a part comes from the line that says what is done with the part.
            using intro::Line;
            const auto at = [&](Line line) {
                return [&, line](auto...) { NoteLine(observer, line, intro::Of(part)); };
            };
            if (part.hi - part.lo + 1 <= intro::kSmallPart) {
                InsertionSortRange(theArray, part.lo, part.hi, observer, at(Line::Small));
                return std::nullopt;
            }
            if (part.depth == 0) {
                const Items items = theArray.subspan(std::size_t(part.lo - 1), std::size_t(part.hi - part.lo + 2));
                if constexpr (kListens<Observer>) {
                    intro::Shifted<Observer> shifted{observer, part.lo - 1, part};
                    HeapSort(items, shifted);
                } else {
                    HeapSortFast(items, observer);
                }
                return std::nullopt;
            }
            quick::MedianToEnd(theArray, part.lo, part.hi, observer, Line::Median, Line::Median, at(Line::Median));
            const Index p = quick::Partition(
                theArray, part.lo, part.hi, observer,
                quick::PartitionLines<Line>{Line::Partition, Line::Partition, Line::Partition}, at(Line::Partition));
            NotePassEnded(observer, theArray);
            return quick::Split{p - 1, p + 1};
        });
}

}  // namespace sorting
