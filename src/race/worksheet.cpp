#include "race/worksheet.h"

#include "race/replay.h"

namespace race {

Trace TraceOf(const Recording& recording)
{
    Trace trace{sorting::Facts(*recording.source.Method()).merges, {}};
    std::vector<std::uint64_t> ends;
    if (trace.merges) {
        for (std::uint64_t step = 0; step < recording.TotalSteps(); ++step)
            if (recording.steps[step].EndsMerge()) ends.push_back(step + 1);
    } else {
        ends = recording.passEnds;
    }
    Replay replay(recording);
    for (std::uint64_t end : ends) {
        replay.SeekTo(end);
        trace.rows.emplace_back(replay.Items().begin() + 1, replay.Items().end());
    }
    return trace;
}

}  // namespace race
