#pragma once

#include "platform/format_number.h"
#include "platform/output_surface.h"

#include <cstdint>
#include <span>

namespace run {

// Prints whether the items are Gap-sorted, naming the first pair out of order, from the
// surface's print position on, then an empty line, then refreshes the surface.
void VerifyOrder(std::span<const float> theArray, std::int32_t gap, platform::OutputSurface& picture,
                 const platform::NumberFormat& format);

}  // namespace run
