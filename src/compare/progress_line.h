#pragma once

#include "compare/comparison.h"

#include <string>

namespace compare {

// What runs now, in one line: "Bubble, random, 64000 items: repeat 2 of 3, 3.2 s so far of
// about 5 seconds". `pass` as the listener hears it (0: the counting run); `elapsed` since
// the run began; with the user's decimal sign.
std::string ProgressText(const RunPlan& plan, int pass, double elapsed, const std::string& decimalSeparator = ".");

// Which of the plan's timed runs: "repeat 2 of 3".
std::string RepeatInWords(const RunPlan& plan, int pass);

}  // namespace compare
