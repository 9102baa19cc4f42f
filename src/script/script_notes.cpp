#include "script/script_notes.h"

#include <algorithm>

namespace script {

// Where things stand before every kEvery-th note, for At to start from.
void ScriptNotes::MarkIfDue()
{
    if (notes_.size() % kEvery != 0) return;
    State state = marks_.empty() ? State{} : marks_.back();
    if (!marks_.empty()) Apply(notes_.size() - kEvery, notes_.size(), state);
    marks_.push_back(std::move(state));
}

void ScriptNotes::Line(std::uint64_t step, int line)
{
    MarkIfDue();
    notes_.push_back({static_cast<std::uint32_t>(step), kLine, static_cast<std::uint32_t>(line)});
}

bool ScriptNotes::Number(std::uint64_t step, std::string_view name, std::optional<std::string_view> value)
{
    auto known = std::find(names_.begin(), names_.end(), name);
    if (known == names_.end()) {
        if (names_.size() == kMostNames) return false;
        known = names_.insert(names_.end(), std::string(name));
    }
    std::uint32_t at = kGone;
    if (value) {
        at = static_cast<std::uint32_t>(values_.size());
        values_.push_back(static_cast<char>(std::min<std::size_t>(value->size(), 255)));
        values_.append(value->substr(0, 255));
    }
    MarkIfDue();
    notes_.push_back({static_cast<std::uint32_t>(step), static_cast<std::int32_t>(known - names_.begin()), at});
    return true;
}

std::string_view ScriptNotes::Value(std::uint32_t at) const
{
    return std::string_view(values_).substr(at + 1, static_cast<unsigned char>(values_[at]));
}

void ScriptNotes::Apply(std::size_t first, std::size_t last, State& state) const
{
    for (std::size_t n = first; n < last; ++n) {
        const Note& note = notes_[n];
        if (note.name == kLine) {
            state.line = static_cast<int>(note.value);
            continue;
        }
        const auto name = static_cast<std::size_t>(note.name);
        if (state.values.size() <= name) state.values.resize(name + 1, kGone);
        state.values[name] = note.value;
    }
}

ScriptNotes::Now ScriptNotes::At(std::uint64_t stepsDone) const
{
    if (stepsDone == 0 || notes_.empty()) return {};
    // The notes of the steps done: those made before step stepsDone - 1 was, or at it.
    const auto last = static_cast<std::size_t>(
        std::upper_bound(notes_.begin(), notes_.end(), stepsDone - 1,
                         [](std::uint64_t step, const Note& note) { return step < note.step; }) -
        notes_.begin());
    const std::size_t mark = std::min(last / kEvery, marks_.size() - 1);
    State state = marks_[mark];
    Apply(mark * kEvery, last, state);
    Now now{state.line, {}};
    for (std::size_t name = 0; name < state.values.size(); ++name)
        if (state.values[name] != kGone) now.numbers.emplace_back(names_[name], Value(state.values[name]));
    std::sort(now.numbers.begin(), now.numbers.end());
    return now;
}

}  // namespace script
