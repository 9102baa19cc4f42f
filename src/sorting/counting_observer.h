#pragma once

#include "sorting/sort_observer.h"

#include <cstdint>

namespace sorting {

// The work a sort did: comparisons of two items, exchanges (Swap calls), merges, and item
// moves (three per exchange; each merge copies its range out and back).
struct SortCounts {
    std::int64_t comparisons = 0;
    std::int64_t exchanges = 0;
    std::int64_t merges = 0;
    std::int64_t moves = 0;
};

struct CountingObserver {
    SortCounts counts;

    void Compared(Index, Index) { ++counts.comparisons; }
    void Swapped(Index, Index)
    {
        ++counts.exchanges;
        counts.moves += 3;
    }
    void Merged(Index lo, Index, Index hi)
    {
        ++counts.merges;
        counts.moves += 2 * (hi - lo + 1);
    }
};

}  // namespace sorting
