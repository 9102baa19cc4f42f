#pragma once

#include "race/race_options.h"

#include <string>

namespace race_export {

// sorting-race --worksheet FILE: the worksheet of the --focus method (the first method where
// none is named) on the items the options ask for, written without a window. Says on
// standard output what it wrote, or on standard error why it could not; the exit status.
int WriteWorksheetCommand(const race::RaceOptions& options, const std::string& program);

}  // namespace race_export
