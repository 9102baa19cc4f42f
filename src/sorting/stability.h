#pragma once

#include "sorting/sort_observer.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <span>
#include <vector>

namespace sorting {

// The first two equal neighbours of sorted `items` that stand in the other order than before
// the sort, by the places they came from (`origins`, one an element), the one now first
// first; none where every equal pair kept its order.
std::optional<std::pair<std::int32_t, std::int32_t>> EqualsOutOfOrder(std::span<const float> items,
                                                                      std::span<const std::int32_t> origins);

// Which item of those before a sort stands at each place, and in each entry of its scratch
// area, as the sort's exchanges and moves carry them, so that it can be told afterwards
// whether equal items kept their order.
class Origins {
public:
    // For an array of `size` elements, element 0 first.
    explicit Origins(std::size_t size);

    void Swapped(Index i, Index j);
    void Moved(Index from, Index to);

    // Whether the equal items of the sorted `items` stand in the order they stood in before;
    // none where no two items are equal.
    std::optional<bool> KeptOrderOfEquals(std::span<const float> items) const;

    // The memory of the origins of `numItems` items and their scratch area.
    static std::uint64_t Bytes(Index numItems) { return 2 * ScratchEntries(numItems) * sizeof(std::int32_t); }

private:
    std::int32_t& At(Index place);

    std::vector<std::int32_t> places_;
    std::vector<std::int32_t> scratch_;
};

}  // namespace sorting
