#pragma once

#include "script/items_met.h"
#include "script/script_notes.h"
#include "sorting/counting_observer.h"
#include "sorting/sort_observer.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace script {

// What a run's end says of seconds no sort can have taken: not a number, below 0, or longer
// than the run.
std::string CannotHaveMeasured();

// Asked about ten times a second while a run goes on, with the steps counted so far: true
// stops the run.
using RunWatch = std::function<bool(std::uint64_t stepsSoFar)>;

// One step of a student's sort as its process reports it, on the program's places: an element
// 1 to n, or a scratch entry (sorting::ScratchPlace) where an item waits that is no longer in
// the array (held in a variable or a list of the script's own).
struct ScriptStep {
    enum class Kind : std::uint8_t {
        Compare,   // places a and b compared
        Exchange,  // items a and b exchanged: three moves
        Move,      // an item written from place a into element b
        SetAside,  // the item at element a, written over, waits in scratch entry b: no move
        Read,      // the item at place a used as a number
    };
    Kind kind;
    std::int32_t a;  // a place: 2,000 items and their scratch entries at the most
    std::int32_t b;

    bool operator==(const ScriptStep&) const = default;
};

// How a script's run ended.
struct ScriptEnd {
    enum class Kind { Running, Sorted, Failed };
    Kind kind = Kind::Running;
    std::string message;  // what went wrong, in the script's words or ours
    int line = 0;         // where, in the script; 0 where none
    double seconds = 0;   // the sort's own time in Python, where it ran to its end
    bool unprotected = false;  // it ran with nothing between it and the user's files
    std::string details{};     // Python's own words, where the message is a student's
};

// What a student's sort did, read from its process's report line by line. The report is
// untrusted: every line is checked against the items as they stand, and the first that does
// not fit ends the run with a message; nothing it sends can make the counts or the items
// wrong.
class ScriptRun {
public:
    // For `items` (element 0 first), at most `limit` steps; the steps themselves are kept only
    // where asked for.
    ScriptRun(std::vector<float> items, std::uint64_t limit, bool keepSteps);

    // What the process sent next, in pieces of any size.
    void Feed(std::string_view bytes);
    // The process ended: with what it sent, its exit, and the limits it met, the verdict.
    void Finish(std::optional<std::string> killedFor = std::nullopt, bool unprotected = false);

    const ScriptEnd& End() const { return end_; }
    bool Failed() const { return end_.kind == ScriptEnd::Kind::Failed; }
    bool Done() const { return end_.kind != ScriptEnd::Kind::Running || fault_; }
    const sorting::SortCounts& Counts() const { return counts_; }
    std::uint64_t StepsCounted() const { return stepsCounted_; }
    const std::vector<ScriptStep>& Steps() const { return steps_; }
    const ScriptNotes& Notes() const { return notes_; }
    ScriptNotes TakeNotes() { return std::move(notes_); }
    // The last lines the script printed, each with the step from which it stands printed.
    using PrintedLines = std::vector<std::pair<std::uint64_t, std::string>>;
    const PrintedLines& Printed() const { return printed_; }
    static constexpr std::size_t kPrintedLines = 200, kLongestPrint = 200;
    const std::vector<float>& Items() const { return items_; }
    // Once sorted: whether equal items kept their order; none where no two are equal.
    std::optional<bool> KeptOrderOfEquals() const;

    // The longest line a process may send.
    static constexpr std::size_t kLongestLine = 512;

private:
    void Line(std::string_view line);
    bool Step(ScriptStep step);
    void Note(std::string_view kind, std::string_view rest);
    void Ending(std::string_view rest);
    void Print(std::string_view text);
    void Fault(std::string message);
    void Runaway(std::string message);
    std::int32_t Origin(sorting::Index place) const;
    void VerifyComparisons();
    std::string LostItems(const std::vector<int>& seen) const;
    std::string StoppedAtLimit() const;
    bool Element(sorting::Index place) const;
    bool Filled(sorting::Index place) const;
    void Verify();

    std::vector<float> start_;
    std::vector<float> items_;
    std::vector<std::int32_t> ids_;  // where each item of the array stood before the sort
    std::vector<float> scratch_;     // by entry; an entry is the item first at that place
    std::vector<std::uint8_t> live_;
    std::vector<int> writtenOverAt_;  // by entry: the script's line that set its item aside
    ItemsMet met_;
    std::uint64_t limit_;
    bool keepSteps_;
    std::string partial_;
    sorting::SortCounts counts_;
    std::uint64_t stepsCounted_ = 0;  // an exchange counts three, as its moves
    std::uint64_t stepsShown_ = 0;    // and setting an item aside one, as the race shows it
    std::uint64_t notesSent_ = 0;
    int lastLine_ = 0;
    static constexpr std::uint64_t kNotesAStep = 4, kNotesBeforeSteps = 4096;
    std::vector<ScriptStep> steps_;
    ScriptNotes notes_;
    PrintedLines printed_;
    ScriptEnd end_;
    std::optional<std::string> fault_;  // the report could not be read on: why
};

}  // namespace script
