#include "run/verify_order.h"

#include "sorting/order_check.h"

#include <string>

namespace run {

void VerifyOrder(std::span<const float> theArray, std::int32_t gap, platform::OutputSurface& picture,
                 const platform::NumberFormat& format)
{
    const std::optional<sorting::Index> badIndex = sorting::FirstOutOfOrder(theArray, gap);
    const std::string gapText = std::to_string(gap);

    if (!badIndex) {
        picture.Print(gap == 1 ? std::string("The array is sorted") : "The array is correctly " + gapText + "-sorted.");
    } else {
        picture.Print(gap == 1 ? std::string("The sorting process was not done correctly.")
                               : "The " + gapText + "-sorting process was not done correctly.");
        picture.Print("for example:");
        // The check has read both items, so both are in the array.
        const auto item = [&](sorting::Index i) {
            return platform::FormatNumber(theArray[static_cast<std::size_t>(i)], 5, format);
        };
        const sorting::Index other = *badIndex + gap;
        picture.Print("   TheArray(" + std::to_string(*badIndex) + ")=" + item(*badIndex) + " > TheArray(" +
                      std::to_string(other) + ")=" + item(other));
    }
    picture.Print();
    picture.Refresh();
}

}  // namespace run
