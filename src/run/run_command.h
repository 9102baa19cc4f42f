#pragma once

#include "animation/animation_settings.h"
#include "animation/bar_chart.h"
#include "platform/available_memory.h"
#include "platform/output_surface.h"
#include "platform/random_generator.h"
#include "run/item_array.h"
#include "run/run_controls.h"

#include <cstdint>

namespace run {

// One whole run per click: fill the items, prepare the picture for the mode, sort with the
// chosen method, report. It owns the state that lives from run to run.
class RunCommand {
public:
    using Clock = double (*)();

    // `memory` tells whether a run's arrays can be had before they are asked for.
    RunCommand(const RunControls& controls, const animation::AnimationSettings& settings,
               platform::OutputSurface& picture, Clock clock,
               const platform::MemoryGauge& memory = platform::SystemMemory());

    // The run of one click on "Begin Sorting". A run-time error ends the run and reaches the
    // caller; the items then still describe one whole array.
    void ButtonRun_Click();

    // Replaces the items by a new array of the count typed, filled from the generator (seeded
    // first when the seed is fixed). Nothing changes when the count is refused: negative, or
    // more than the memory left can hold for the chosen method.
    void FillArray();

    // Sorts the items with the method chosen in the list, if any, redrawing the chart in
    // animate mode.
    void SortWithChoice();

    platform::RandomGenerator& Generator() { return generator_; }
    const ItemArray& TheArray() const { return theArray_; }
    std::int32_t NumItems() const { return theArray_.NumItems(); }
    const animation::BarChart& Chart() const { return chart_; }

private:
    const RunControls& controls_;
    platform::OutputSurface& picture_;
    Clock clock_;
    const platform::MemoryGauge& memory_;
    platform::RandomGenerator generator_;
    ItemArray theArray_;
    animation::BarChart chart_;
};

}  // namespace run
