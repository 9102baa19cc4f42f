// Peak memory of a merge sort of 10,000,000 items, against the items' own size: prints the
// idle program's peak, the peak with the items filled, and the peak after the sort.

#include "bench_controls.h"
#include "platform/monotonic_clock.h"
#include "run/run_command.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The process's peak resident size so far, in MB (VmHWM).
double PeakMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string count = argc > 1 ? argv[1] : "10000000";
    const double idle = PeakMegabytes();
    BenchControls controls;
    controls.method = 3;
    controls.count = count;
    NullSurface picture;
    run::RunCommand run(controls, controls, picture, platform::Timer);
    run.FillArray();
    const double filled = PeakMegabytes();
    run.SortWithChoice();
    const double sorted = PeakMegabytes();
    const double items = static_cast<double>(run.TheArray().Elements().size_bytes()) / (1024.0 * 1024.0);
    std::printf(
        "merge sort of %s items: items %.1f MB, idle peak %.1f MB, filled peak %.1f MB, "
        "sort peak %.1f MB; (sort peak - idle) / items = %.2f\n",
        count.c_str(), items, idle, filled, sorted, (sorted - idle) / items);
    return 0;
}
