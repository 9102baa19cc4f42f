#include "race/recording.h"

#include "platform/words.h"

#include <algorithm>
#include <map>
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

// The notes from `first` on, up to the steps done, applied to `now`.
void Apply(const std::vector<script::ScriptNote>& notes, std::size_t first, std::size_t last, ScriptCode::Now& now)
{
    std::map<std::string, std::string> numbers(now.numbers.begin(), now.numbers.end());
    for (std::size_t n = first; n < last; ++n) {
        const script::ScriptNote& note = notes[n];
        if (note.line)
            now.line = note.line;
        else if (note.value)
            numbers[note.name] = *note.value;
        else
            numbers.erase(note.name);
    }
    now.numbers.assign(numbers.begin(), numbers.end());
}

}  // namespace

void ScriptCode::Index()
{
    checkpoints_ = {Now{}};
    for (std::size_t n = kEvery; n <= notes.size(); n += kEvery) {
        Now now = checkpoints_.back();
        Apply(notes, n - kEvery, n, now);
        checkpoints_.push_back(std::move(now));
    }
}

ScriptCode::Now ScriptCode::At(std::uint64_t stepsDone) const
{
    if (stepsDone == 0 || checkpoints_.empty()) return {};
    // The notes of the steps done: those made before step stepsDone - 1 was, or at it.
    const auto last = static_cast<std::size_t>(
        std::upper_bound(notes.begin(), notes.end(), stepsDone - 1,
                         [](std::uint64_t step, const script::ScriptNote& note) { return step < note.step; }) -
        notes.begin());
    const std::size_t from = std::min(last / kEvery, checkpoints_.size() - 1);
    Now now = checkpoints_[from];
    Apply(notes, from * kEvery, last, now);
    return now;
}

Recording ScriptRecording(const script::ScriptFile& file, const std::vector<float>& items, const script::ScriptRun& run)
{
    Recording recording{{}, items, {}, {}, run.Counts(), CodeNotes(0)};
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
    code.notes = run.Notes();
    code.failure = Failure(run);
    code.Index();
    return recording;
}

Recording RecordScript(const script::ScriptFile& file, const std::vector<float>& items,
                       const std::function<bool()>& cancelled)
{
    return ScriptRecording(file, items, script::RunScript(file, items, {.steps = kScriptSteps}, true, cancelled));
}

}  // namespace race
