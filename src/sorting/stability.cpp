#include "sorting/stability.h"

#include <algorithm>
#include <utility>

namespace sorting {

std::optional<std::pair<std::int32_t, std::int32_t>> EqualsOutOfOrder(std::span<const float> items,
                                                                      std::span<const std::int32_t> origins)
{
    for (std::size_t i = 1; i + 1 < items.size(); ++i)
        if (items[i] == items[i + 1] && origins[i] > origins[i + 1]) return std::pair{origins[i], origins[i + 1]};
    return std::nullopt;
}

Origins::Origins(std::size_t size) : places_(size), scratch_(ScratchEntries(static_cast<Index>(size) - 1))
{
    for (std::size_t i = 0; i < size; ++i) places_[i] = static_cast<std::int32_t>(i);
}

std::int32_t& Origins::At(Index place)
{
    return IsScratch(place) ? scratch_[static_cast<std::size_t>(ScratchEntry(place))]
                            : places_[static_cast<std::size_t>(place)];
}

void Origins::Swapped(Index i, Index j) { std::swap(At(i), At(j)); }

void Origins::Moved(Index from, Index to) { At(to) = At(from); }

std::optional<bool> Origins::KeptOrderOfEquals(std::span<const float> items) const
{
    if (items.size() < 2 || std::adjacent_find(items.begin() + 1, items.end()) == items.end()) return std::nullopt;
    return !EqualsOutOfOrder(items, places_);
}

}  // namespace sorting
