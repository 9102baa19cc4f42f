#pragma once

#include "sorting/sort_method.h"

#include <cstdint>
#include <string>
#include <vector>

namespace compare {

// The fewest, the total and the most of one figure over every order.
struct FigureRange {
    std::int64_t fewest = INT64_MAX, most = 0;
    std::uint64_t total = 0;

    void Add(std::int64_t figure);
    void Add(const FigureRange& other);
};

// A method on every one of the n! orders of n distinct items: its best, average and worst case
// exactly. The worst order is one that makes the most steps (comparisons, moves and reads, as
// the race counts them), the best one that makes the fewest; of equal ones, the first in
// lexicographic order. Items are 1 to n.
struct EveryOrderRow {
    sorting::SortMethod method{};
    int count = 0;
    std::uint64_t orders = 0;  // n!
    FigureRange comparisons{}, exchanges{}, moves{};
    bool inOrder = true;  // every order sorted
    std::vector<int> worst{}, best{};
    std::int64_t worstSteps = -1, bestSteps = INT64_MAX;
};

// Counts from 2 to this: 10! is 3,628,800 orders, within a minute for every method on two cores.
inline constexpr int kMostItemsOfEveryOrder = 10;

// Runs `method` on every order of `count` items, spread over the processor's cores.
EveryOrderRow EveryOrder(sorting::SortMethod method, int count);

// The mean of a figure, exactly rounded to four decimals: "31.5000", with that decimal sign.
std::string ExactMean(std::uint64_t total, std::uint64_t orders, const std::string& decimalSeparator = ".");

}  // namespace compare
