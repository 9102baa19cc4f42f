#include "sorting/stability.h"

#include <utility>

namespace sorting {

Origins::Origins(std::size_t size) : places_(size), scratch_(size + 1)
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
    bool equals = false;
    for (std::size_t i = 1; i + 1 < items.size(); ++i) {
        if (!(items[i] == items[i + 1])) continue;
        equals = true;
        if (places_[i] > places_[i + 1]) return false;
    }
    return equals ? std::optional(true) : std::nullopt;
}

}  // namespace sorting
