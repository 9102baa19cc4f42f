#pragma once

#include "animation/animation_settings.h"
#include "platform/output_surface.h"

#include <cstdint>
#include <span>

namespace animation {

// The items as a bar chart on the picture box: one bar per item, item 1 at the left, the
// height the item's value, on a y axis from -0.1 at the bottom to 1.1 at the top.
class BarChart {
public:
    BarChart(platform::OutputSurface& picture, const AnimationSettings& settings);

    // Clears the picture and lays out a chart of `numItems` bars. With room for a bar a pixel
    // column wide or more, x counts pixel columns and the bars are centred; with more items
    // than columns, x counts items and each bar is a one-pixel line. No item raises the
    // division-by-zero error, after the picture was cleared.
    void PrepareBarChart(std::int32_t numItems);

    // Redraws bars First to Last from left to right, each followed by a refresh and the
    // animation delay. First > Last draws nothing and does not wait.
    void DrawBars(std::span<const float> theArray, std::int32_t first, std::int32_t last);

    // Waits as long as the delay text asks: its value × 1000 empty iterations.
    void AnimationDelay() const;

    std::int16_t BarWidth() const { return barWidth_; }
    std::int16_t BarOffset() const { return barOffset_; }

private:
    platform::OutputSurface& picture_;
    const AnimationSettings& settings_;
    std::int16_t barWidth_ = 0;
    std::int16_t barOffset_ = 0;
};

}  // namespace animation
