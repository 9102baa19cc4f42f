#pragma once

#include "race/replay.h"
#include "sorting/sort_method.h"

#include <cstdint>
#include <vector>

namespace race {

// The four methods on the same items, on one clock: at each tick every method that has not
// finished goes on by the same number of steps, so that a method's progress is its share of
// the work and the methods finish in the order of their costs.
class Race {
public:
    // Records the four sorts of `items` (element 0 first, 1 to kMaxItems items).
    explicit Race(const std::vector<float>& items);

    void Tick(std::uint64_t steps);
    void Restart();

    // In the window's order: Selection, Insertion, Bubble, Merge.
    const Replay& Lane(sorting::SortMethod method) const { return lanes_[static_cast<std::size_t>(method)]; }
    Replay& Lane(sorting::SortMethod method) { return lanes_[static_cast<std::size_t>(method)]; }

    bool AllFinished() const;
    // 1 for the method with the fewest steps; methods with as many steps share a place.
    int Rank(sorting::SortMethod method) const;
    // The method that finishes first: the one with the fewest steps, the first in the
    // window's order among equals.
    sorting::SortMethod FirstToFinish() const;
    std::int32_t NumItems() const
    {
        return static_cast<std::int32_t>(Lane(sorting::SortMethod::Merge).Items().size()) - 1;
    }

private:
    std::vector<Replay> lanes_;
};

}  // namespace race
