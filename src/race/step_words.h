#pragma once

#include "race/replay.h"
#include "sorting/sort_method.h"

#include <string>

namespace race {

// A step in words, as a panel says it under its counts: "compares items 17 and 18",
// "exchanges 17 and 18", "merge writes item 40"; nothing for no step.
std::string StepInWords(const StepSeen& step, sorting::SortMethod method);

}  // namespace race
