#pragma once

#include "race/race_options.h"

#include <string>

namespace race_export {

// sorting-race --export FILE: the race the options (and their lesson file) set, written as a
// video without a window, a line on the terminal following its frames. Ctrl-C cancels it and
// leaves no file. The exit status.
int WriteVideoCommand(const race::RaceOptions& options, const std::string& program);

}  // namespace race_export
