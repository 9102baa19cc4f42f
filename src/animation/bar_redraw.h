#pragma once

#include "animation/bar_chart.h"
#include "sorting/sort_observer.h"

namespace animation {

// Watches a sort in animate mode: each exchange redraws its two bars (bar I, then bar J),
// and each merge redraws the merged range.
class BarRedraw : public sorting::IgnoresSteps {
public:
    BarRedraw(BarChart& chart, std::span<const float> theArray) : chart_(chart), theArray_(theArray) {}

    void Swapped(sorting::Index i, sorting::Index j)
    {
        Draw(i, i);
        Draw(j, j);
    }
    void Merged(sorting::Index lo, sorting::Index, sorting::Index hi) { Draw(lo, hi); }

private:
    void Draw(sorting::Index first, sorting::Index last)
    {
        chart_.DrawBars(theArray_, static_cast<std::int32_t>(first), static_cast<std::int32_t>(last));
    }

    BarChart& chart_;
    std::span<const float> theArray_;
};

}  // namespace animation
