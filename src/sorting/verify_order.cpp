#include "sorting/verify_order.h"

#include "platform/run_time_error.h"

#include <string>

namespace sorting {
namespace {

float ItemAt(std::span<const float> theArray, Index i)
{
    if (i < 0 || i > NumItems(theArray)) throw platform::RunTimeError(platform::ErrorKind::SubscriptOutOfRange);
    return theArray[static_cast<std::size_t>(i)];
}

}  // namespace

std::optional<Index> FirstOutOfOrder(std::span<const float> theArray, std::int32_t gap)
{
    // 64-bit indices: neither the bound nor i + Gap can overflow.
    const Index bound = NumItems(theArray) - gap;
    for (Index i = 1; i <= bound; ++i) {
        if (ItemAt(theArray, i) > ItemAt(theArray, i + gap)) return i;
    }
    return std::nullopt;
}

void VerifyOrder(std::span<const float> theArray, std::int32_t gap, platform::OutputSurface& picture,
                 const platform::NumberFormat& format)
{
    const std::optional<Index> badIndex = FirstOutOfOrder(theArray, gap);
    const std::string gapText = std::to_string(gap);

    if (!badIndex) {
        picture.Print(gap == 1 ? std::string("The array is sorted") : "The array is correctly " + gapText + "-sorted.");
    } else {
        picture.Print(gap == 1 ? std::string("The sorting process was not done correctly.")
                               : "The " + gapText + "-sorting process was not done correctly.");
        picture.Print("for example:");
        const Index other = *badIndex + gap;
        picture.Print("   TheArray(" + std::to_string(*badIndex) +
                      ")=" + platform::FormatNumber(ItemAt(theArray, *badIndex), 5, format) + " > TheArray(" +
                      std::to_string(other) + ")=" + platform::FormatNumber(ItemAt(theArray, other), 5, format));
    }
    picture.Print();
    picture.Refresh();
}

}  // namespace sorting
