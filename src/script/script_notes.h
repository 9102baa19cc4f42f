#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace script {

// What a script's code pane shows at each step: its line, and its local numbers exactly as
// Python wrote them, each noted from the step on where it changed. A script of millions of
// steps makes millions of notes, so each is kept in twelve bytes: the names once, the values
// in one string.
class ScriptNotes {
public:
    // The most names kept; a process that sends more is not a script's.
    static constexpr std::size_t kMostNames = 256;

    // From step `step` on (from 0, as the race shows the steps), this line, or this number;
    // none for a number gone. False where a name is one too many.
    void Line(std::uint64_t step, int line);
    bool Number(std::uint64_t step, std::string_view name, std::optional<std::string_view> value);

    struct Now {
        int line = 0;
        std::vector<std::pair<std::string, std::string>> numbers;  // by name
    };
    // After `stepsDone` steps: as at the last step done.
    Now At(std::uint64_t stepsDone) const;
    std::size_t Count() const { return notes_.size(); }

private:
    struct Note {
        std::uint32_t step;
        std::int32_t name;    // kLine for a line
        std::uint32_t value;  // the line, or where the value begins in values_; kGone
    };
    static constexpr std::int32_t kLine = -1;
    static constexpr std::uint32_t kGone = ~std::uint32_t{0};
    static constexpr std::size_t kEvery = 1024;  // notes from one checkpoint to the next

    struct State {
        int line = 0;
        std::vector<std::uint32_t> values;  // by name: where its value begins, or kGone
    };
    void MarkIfDue();
    void Apply(std::size_t first, std::size_t last, State& state) const;
    std::string_view Value(std::uint32_t at) const;

    std::vector<Note> notes_;
    std::vector<std::string> names_;
    std::string values_;        // each value after a byte of its length
    std::vector<State> marks_;  // before notes 0, kEvery, 2 kEvery, ...
};

}  // namespace script
