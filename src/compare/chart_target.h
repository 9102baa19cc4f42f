#pragma once

#include <optional>
#include <string>

namespace compare {

// Why a chart cannot be written to `path`, or nothing when it can: its folder must exist and
// take a new file, and the name must not be a folder's. Asked before any run, so that a run
// of hours does not end without its chart.
std::optional<std::string> ChartTargetProblem(const std::string& path);

}  // namespace compare
