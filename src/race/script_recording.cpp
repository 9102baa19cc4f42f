#include "race/recording.h"

#include "platform/words.h"
#include "script/script_process.h"

#include <algorithm>
#include <sstream>

namespace race {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::string> Failure(const script::ScriptRun& run)
{
    if (!run.Failed()) return std::nullopt;
    const script::ScriptEnd& end = run.End();
    return end.line > 0
               ? platform::Fill(platform::Words("race", "line %1: %2"), {std::to_string(end.line), end.message})
               : end.message;
}

}  // namespace

Recording ScriptRecording(const script::ScriptFile& file, const std::vector<float>& items, script::ScriptRun run)
{
    Recording recording{script::LaneSource(file), items, {}, {}, run.Counts(), CodeNotes(0)};
    std::vector<float> now = items, aside(items.size());
    const auto at = [](sorting::Index place) { return static_cast<std::size_t>(place); };
    using Kind = script::ScriptStep::Kind;
    for (const script::ScriptStep& step : run.Steps()) {
        switch (step.kind) {
            case Kind::Compare:
                recording.steps.emplace_back(Step::Kind::Compare, step.a, step.b);
                break;
            case Kind::Read:
                recording.steps.emplace_back(Step::Kind::Read, step.a, step.a);
                break;
            case Kind::Exchange:
                for (Step::Kind part : {Step::Kind::Hold, Step::Kind::Shift, Step::Kind::Put})
                    recording.steps.emplace_back(part, step.a, step.b);
                std::swap(now[at(step.a)], now[at(step.b)]);
                break;
            case Kind::SetAside:
                recording.steps.emplace_back(Step::Kind::SetAside, step.a, sorting::ScratchPlace(step.b));
                aside[at(step.b)] = now[at(step.a)];
                break;
            case Kind::Move:
                recording.steps.emplace_back(Step::Kind::Copy, step.a, step.b);
                recording.replaced.push_back(now[at(step.b)]);
                now[at(step.b)] =
                    sorting::IsScratch(step.a) ? aside[at(sorting::ScratchEntry(step.a))] : now[at(step.a)];
                break;
        }
    }
    ScriptCode& code = recording.script.emplace();
    code.name = file.name;
    code.lines = Lines(file.source);
    code.failure = Failure(run);
    code.details = run.End().details;
    code.unprotected = run.End().unprotected;
    code.printed = run.Printed();
    code.notes = run.TakeNotes();
    return recording;
}

Recording RecordScript(const script::ScriptFile& file, const std::vector<float>& items,
                       double seconds, const script::RunWatch& stop)
{
    script::ScriptLimits limits;
    limits.seconds = seconds;
    return ScriptRecording(file, items, script::RunScript(file, items, limits, true, stop));
}

}  // namespace race
