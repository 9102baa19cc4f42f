#pragma once

#include "sorting/counting_observer.h"
#include "sorting/sort_method.h"

#include <cstdint>
#include <vector>

namespace race {

// The largest race: small enough that every index fits in 16 bits and every step count in 32.
inline constexpr std::int32_t kMaxItems = 2000;

// The two items a comparison reads (element 0 where insertion sort's test reads it; for a
// merge, the places its two items held when the merge began). Four bytes a comparison.
struct ComparedPair {
    std::uint16_t i;
    std::uint16_t j;
};

// An exchange of items I and J, three moves, after `stepsBefore` steps of the sort.
struct Exchange {
    std::uint32_t stepsBefore;
    std::uint16_t i;
    std::uint16_t j;
};

// A merge of Lo to Hi after `stepsBefore` steps: its items copied out (one move each), then
// for each place from Lo to Hi a comparison and the move of the merged item into it. The
// items it writes, and those they replace, are at `first` in Recording::merged and
// Recording::replaced.
struct MergeRun {
    std::uint32_t stepsBefore;
    std::uint16_t lo;
    std::uint16_t hi;
    std::uint32_t first;

    std::uint32_t Length() const { return hi - lo + 1u; }
};

// What one sort did to the items, step by step. A step is a unit of work as the comparison
// tool counts it: a comparison, or the move of one item. A recording holds exchanges or
// merges, as its method makes them.
struct Recording {
    sorting::SortMethod method;
    std::vector<float> start;            // the items before the sort, element 0 first
    std::vector<ComparedPair> compared;  // every comparison, in order
    std::vector<Exchange> exchanges;
    std::vector<MergeRun> merges;
    std::vector<float> merged;
    std::vector<float> replaced;
    sorting::SortCounts totals;

    std::uint64_t TotalSteps() const
    {
        return static_cast<std::uint64_t>(totals.comparisons) + static_cast<std::uint64_t>(totals.moves);
    }
};

// Sorts a copy of `items` (element 0 first, at most kMaxItems items) with `method`, watching
// every step through the sort's observer.
Recording Record(sorting::SortMethod method, const std::vector<float>& items);

}  // namespace race
