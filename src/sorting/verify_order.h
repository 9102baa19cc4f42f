#pragma once

#include "platform/format_number.h"
#include "platform/output_surface.h"
#include "sorting/sort_observer.h"

#include <cstdint>
#include <optional>
#include <span>

namespace sorting {

// The lowest i with TheArray(i) > TheArray(i + Gap), if any: the first pair that breaks
// Gap-sortedness. Equal items count as in order. An index outside the array raises the
// subscript-out-of-range error.
std::optional<Index> FirstOutOfOrder(std::span<const float> theArray, std::int32_t gap);

// Prints whether the items are Gap-sorted, naming the first pair out of order, from the
// surface's print position on, then an empty line, then refreshes the surface.
void VerifyOrder(std::span<const float> theArray, std::int32_t gap, platform::OutputSurface& picture,
                 const platform::NumberFormat& format);

}  // namespace sorting
