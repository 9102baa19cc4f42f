#pragma once

#include "sorting/sort_observer.h"

#include <cstdint>
#include <optional>
#include <span>

namespace sorting {

// The lowest i with TheArray(i) > TheArray(i + Gap), if any: the first pair that breaks
// Gap-sortedness. Equal items count as in order. An index outside the array raises the
// subscript-out-of-range error.
std::optional<Index> FirstOutOfOrder(std::span<const float> theArray, std::int32_t gap);

}  // namespace sorting
