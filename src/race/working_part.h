#pragma once

#include "race/replay.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace race {

// What a method is working on at its current step, read from its code's own variables as the
// code pane shows them, for the bars to show it.
struct WorkingPart {
    enum class Shade {
        Working,  // the part being worked on: quick sort's lo..hi, the heap, shell's items h apart,
                  // bucket sort's bucket
        Sorted,   // the part already in order: selection's and insertion's front, bubble's back
        LeftRun,  // a merge's two runs
        RightRun,
    };
    struct Range {
        std::int32_t first;
        std::int32_t last;
        Shade shade;

        bool operator==(const Range&) const = default;
    };
    std::vector<Range> ranges;
    std::optional<std::int32_t> pivot;  // where the quick sorts' pivot stands
    std::optional<int> byte;            // radix sort's pass: the byte it sorts by, 1 to 4
    bool pivotDone = false;             // the pivot stands in its final place

    bool operator==(const WorkingPart&) const = default;
};

// Nothing before the first step and once the method is done.
WorkingPart WorkingPartOf(const Replay& lane);

}  // namespace race
