#include "animation/bar_chart.h"

#include "animation/animation_delay.h"
#include "animation/bar_colour.h"
#include "platform/checked_arithmetic.h"
#include "platform/rounding.h"
#include "platform/run_time_error.h"

namespace animation {

using platform::CheckedAdd;
using platform::CheckedDiv;
using platform::CheckedMul;
using platform::CheckedSub;

BarChart::BarChart(platform::OutputSurface& picture, const AnimationSettings& settings)
    : picture_(picture), settings_(settings)
{
}

void BarChart::PrepareBarChart(std::int32_t numItems)
{
    picture_.SetDrawWidth(1);
    picture_.Cls();
    picture_.Scale();
    picture_.SetScaleMode(platform::OutputSurface::kScaleModePixels);
    const std::int32_t pixelWidth = platform::RoundToInt32(picture_.ScaleWidth());
    // Five sixths of the interior, rounded halves to even (507 columns give 422).
    const std::int32_t chartWidth = platform::RoundToInt32(CheckedMul(pixelWidth, 10) / 12.0);
    if (numItems == 0)
        throw platform::RunTimeError(platform::ErrorKind::DivisionByZero, "The bar chart needs at least one item.");
    barWidth_ = platform::ToInt16(CheckedDiv(chartWidth, numItems));
    barOffset_ = platform::ToInt16(CheckedDiv(CheckedSub(pixelWidth, CheckedMul(barWidth_, numItems)), 2));
    if (barWidth_ < 1) {
        barWidth_ = 1;
        barOffset_ = 0;
        picture_.Scale(-0.1 * numItems, 1.1, 1.1 * numItems, -0.1);
    } else {
        picture_.Scale(0, 1.1, pixelWidth, -0.1);
    }
}

void BarChart::DrawBars(std::span<const float> theArray, std::int32_t first, std::int32_t last)
{
    const auto upper = static_cast<std::int64_t>(theArray.size()) - 1;
    for (std::int64_t bar = first; bar <= last; ++bar) {
        if (bar < 0 || bar > upper) throw platform::RunTimeError(platform::ErrorKind::SubscriptOutOfRange);
        const auto i = static_cast<std::int32_t>(bar);
        const float value = theArray[static_cast<std::size_t>(i)];
        const platform::Colour barColour = settings_.AnimationColorValue() ? BarColour(value) : platform::RGB(0, 0, 0);
        const platform::Colour backColour = picture_.BackColor();
        const auto right = static_cast<float>(CheckedSub(CheckedAdd(barOffset_, CheckedMul(barWidth_, i)), 1));
        const auto left = static_cast<float>(CheckedAdd(barOffset_, CheckedMul(barWidth_, i - 1)));
        // Clear above the bar first, so a bar that got shorter leaves no trace; the bar comes
        // second and so owns the row at its top.
        picture_.Line(left, 1.0f, right, value, backColour);
        picture_.Line(left, 0.0f, right, value, barColour);
        picture_.Refresh();
        AnimationDelay();
    }
}

void BarChart::AnimationDelay() const { BusyWait(DelayCount(settings_.AnimationTextDelayText())); }

}  // namespace animation
