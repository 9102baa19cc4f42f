#pragma once

#include "platform/random_generator.h"
#include "sorting/sort_observer.h"

#include <cstdint>
#include <span>
#include <vector>

namespace run {

// The items of a run, at indices 1 to NumItems; element 0 exists, holds 0 and is no item.
// The count is the array's own, so the two can never disagree.
class ItemArray {
public:
    ItemArray() = default;

    // A new array with bounds 0 to `numItems`, every element 0. A negative count is refused,
    // and a count that cannot be allocated raises the out-of-memory error.
    static ItemArray Allocate(std::int32_t numItems);

    // The memory of an array of `numItems` items and element 0.
    static std::uint64_t Bytes(std::int32_t numItems) { return sorting::ItemsBytes(numItems); }

    std::int32_t NumItems() const { return items_.empty() ? 0 : static_cast<std::int32_t>(items_.size() - 1); }

    // Element 0 and the items, in index order.
    std::span<float> Elements() { return items_; }
    std::span<const float> Elements() const { return items_; }

    // Sets items 1 to NumItems, in index order, to the generator's next numbers.
    void FillFrom(platform::RandomGenerator& generator);

private:
    std::vector<float> items_;
};

}  // namespace run
