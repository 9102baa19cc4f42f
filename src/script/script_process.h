#pragma once

#include "script/script_file.h"
#include "script/script_run.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace script {

// What a script's process may take; by default, what the race allows a student's script.
struct ScriptLimits {
    std::uint64_t steps = 5'000'000;
    double seconds = 60;
    std::uint64_t memoryBytes = std::uint64_t{1} << 30;
};

// Debian's Python, which runs the scripts.
bool PythonAvailable();

// Runs the file's sort(a) on `items` (element 0 first) in a process of its own: Python in
// isolated mode, a clean environment, an empty working folder, no descriptors but its input
// and its report, limits on memory, time and steps; inside the strongest protection there is
// (sandbox.h), and the call filter once the script's own code runs. Where there is no
// protection, only a file the user allowed to run unprotected runs. The report is read as it comes; the process
// is ended at once when the run ends, a limit is met, or `stop` says so. Only where the
// steps are kept are the script's lines and local numbers reported with them.
ScriptRun RunScript(const ScriptFile& file, const std::vector<float>& items, const ScriptLimits& limits, bool keepSteps,
                    const RunWatch& stop = {});

}  // namespace script
