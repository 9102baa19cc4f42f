#pragma once

#include "sorting/sort_observer.h"

#include <cstdint>

namespace sorting {

// The work a sort did: comparisons of two items, exchanges (Swap calls), merges, item moves
// (three per exchange, one for each item copied, such as a merge's copies out and back), and
// reads of an item's value for a distribution sort's key.
struct SortCounts {
    std::int64_t comparisons = 0;
    std::int64_t exchanges = 0;
    std::int64_t merges = 0;
    std::int64_t moves = 0;
    std::int64_t reads = 0;
};

struct CountingObserver {
    SortCounts counts;

    void Compared(Index, Index) { ++counts.comparisons; }
    void Swapped(Index, Index)
    {
        ++counts.exchanges;
        counts.moves += 3;
    }
    void Moved(Index, Index) { ++counts.moves; }
    void Merged(Index, Index, Index) { ++counts.merges; }
    void Read(Index) { ++counts.reads; }
};

}  // namespace sorting
