#pragma once

#include "race/recording.h"

#include <cstdint>
#include <vector>

namespace race {

// The most items a worksheet traces: a row of them fits a page's width.
inline constexpr std::int32_t kWorksheetItems = 12;

// What a worksheet asks a class to write down for a sort, and its answer: the items after
// each merge for the merging methods, else after each pass (each outer pass, gap, sinking,
// partition or distribution), each taken from the recording the race replays.
struct Trace {
    bool merges = false;  // the rows follow the merges
    std::vector<std::vector<float>> rows;
};

// Of a method's recording, not a script's.
Trace TraceOf(const Recording& recording);

}  // namespace race
