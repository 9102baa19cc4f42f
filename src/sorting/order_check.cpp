#include "sorting/order_check.h"

#include "platform/run_time_error.h"

namespace sorting {

std::optional<Index> FirstOutOfOrder(std::span<const float> theArray, std::int32_t gap)
{
    const auto itemAt = [&](Index i) {
        if (i < 0 || i > NumItems(theArray)) throw platform::RunTimeError(platform::ErrorKind::SubscriptOutOfRange);
        return theArray[static_cast<std::size_t>(i)];
    };
    // 64-bit indices: neither the bound nor i + Gap can overflow.
    const Index bound = NumItems(theArray) - gap;
    for (Index i = 1; i <= bound; ++i) {
        if (itemAt(i) > itemAt(i + gap)) return i;
    }
    return std::nullopt;
}

}  // namespace sorting
