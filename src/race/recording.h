#pragma once

#include "script/lane_source.h"
#include "script/script_notes.h"
#include "script/script_run.h"
#include "sorting/counting_observer.h"
#include "sorting/sort_method.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace race {

// The largest race: small enough that every place a step names fits in 12 bits and every
// step count in 32.
inline constexpr std::int32_t kMaxItems = 2000;

// One step of a sort, as the comparison tool counts steps (a comparison, the move of one item,
// or the read of one), in four bytes: what it does, the two places it names, each an element
// of the array or an entry of the sort's scratch area (sorting::ScratchPlace), and the line of
// the method's code it comes from.
// - Compare: the two places read.
// - Hold, Shift, Put: the three moves of an exchange of items a and b: item a is held aside,
//   item b moves to a, the held item moves to b.
// - Move: an item copied from place a to place b; what it wrote over is kept in the
//   recording, in the order of the moves, so that it can be undone;
// - Read: item a read for what it is, as a distribution sort reads its key.
// A student's script writes copies: its items stay where they are copied from.
// - SetAside: the item at element a, about to be written over, set aside into scratch entry b;
//   no move;
// - Copy: an item written from place a into element b; from a scratch entry, it leaves it.
class Step {
public:
    enum class Kind : std::uint8_t { Compare, Hold, Shift, Put, Move, Read, SetAside, Copy };

    Step(Kind kind, sorting::Index a, sorting::Index b, int line = 0)
        : bits_(static_cast<std::uint32_t>(kind) | Code(a) << kAShift | Code(b) << kBShift |
                static_cast<std::uint32_t>(line) << kLineShift)
    {
    }

    Kind What() const { return static_cast<Kind>(bits_ & 7u); }
    sorting::Index A() const { return Place(bits_ >> kAShift); }
    sorting::Index B() const { return Place(bits_ >> kBShift); }
    // From 1; 0 where the sort named none.
    int Line() const { return static_cast<int>(bits_ >> kLineShift); }
    // The last move of a merge.
    bool EndsMerge() const { return (bits_ & kEndsMerge) != 0; }
    void MarkEndOfMerge() { bits_ |= kEndsMerge; }

private:
    static constexpr unsigned kPlaceBits = 12;  // elements 0 to 2047, then as many scratch entries
    static constexpr unsigned kAShift = 4;
    static constexpr unsigned kBShift = kAShift + kPlaceBits;
    static constexpr unsigned kLineShift = kBShift + kPlaceBits;

public:
    static constexpr int kMostLines = (1 << (32 - kLineShift)) - 1;  // the lines it can name, from 1

private:
    static constexpr std::uint32_t kEndsMerge = 8;

    static constexpr sorting::Index kScratch = sorting::Index{1} << (kPlaceBits - 1);  // the first scratch code

    static std::uint32_t Code(sorting::Index place)
    {
        return static_cast<std::uint32_t>(sorting::IsScratch(place) ? kScratch + sorting::ScratchEntry(place) : place);
    }
    static sorting::Index Place(std::uint32_t code)
    {
        code &= (1u << kPlaceBits) - 1;
        return code < kScratch ? sorting::Index{code} : sorting::ScratchPlace(code - kScratch);
    }

    std::uint32_t bits_;
};

// The most variables a method's code has.
inline constexpr std::size_t kMostVariables = 7;

// The values the code's variables had at each step, as the sort reported them, and the line
// whose call the step's line was carrying out (heap sort's sink, called from two lines). The
// quadratic methods make millions of steps, so only what changes is kept: a bit a step where
// a note begins, a byte and a value for each variable the note changes, and every so many
// notes all the values, to start from.
class CodeNotes {
public:
    explicit CodeNotes(std::size_t variables = 0);

    // The values of a method's variables, in the order it names them, NaN for none and past
    // its last.
    using Values = std::array<float, kMostVariables>;

    // From step `step` on (from 0, later than the last's), these values and this calling line
    // (from 1; 0 for none): a note where anything changed.
    void Add(std::uint64_t step, int caller, const Values& values);
    // Room for the notes of a sort of this many steps, with about this many changes.
    void Reserve(std::uint64_t steps, std::uint64_t changes);
    // Gives back the room made and not used.
    void Fit();

    struct Note {
        std::vector<float> values;  // none before the first note
        int caller = 0;
    };
    // At step `step` (from 0).
    Note At(std::uint64_t step) const;

private:
    static constexpr std::size_t kEvery = 64;  // notes from one set of all the values to the next
    // How many notes begin at or before the step.
    std::uint64_t NotesUpTo(std::uint64_t step) const;

    std::size_t width_;                      // the variables, and the caller after them
    std::vector<std::uint64_t> begins_;      // a bit a step: whether a note begins there
    std::vector<std::uint32_t> before_;      // the notes begun before each word of begins_
    std::vector<std::uint8_t> changes_;      // each change: its variable, where a note begins, its value
    std::vector<std::size_t> fromChange_;    // every kEvery notes: where the first of their changes begins
    std::vector<float> fromValues_;          // and all the values before it, width_ a time
    std::vector<float> last_;                // the values after the last note
    std::uint64_t notes_ = 0;
};

// A student's script, as the code pane shows it: its file's name and lines, and from which step
// on each line and each local number stands.
struct ScriptCode {
    std::string name;
    std::vector<std::string> lines;
    script::ScriptNotes notes;
    std::optional<std::string> failure;  // what went wrong, where it did: "line 3: ..."
    std::string details;                 // Python's own words for it, where the failure is a student's
    bool unprotected = false;            // it ran where nothing could protect the user's files
    script::ScriptRun::PrintedLines printed;  // its last lines printed, each from its step
};

// What one sort did to the items, step by step, whatever its method, or a student's script.
struct Recording {
    script::LaneSource source;    // the method, or the script
    std::vector<float> start;     // the items before the sort, element 0 first
    std::vector<Step> steps;      // every step, in order
    std::vector<float> replaced;  // what each Move wrote over, in order
    sorting::SortCounts totals;
    CodeNotes notes;
    std::optional<ScriptCode> script{};
    std::vector<std::uint64_t> passEnds{};  // the steps after which each pass of the sort ended

    std::uint64_t TotalSteps() const { return steps.size(); }
};

// Sorts a copy of `items` (element 0 first, at most kMaxItems items) with `method`, watching
// every step through the sort's observer.
Recording Record(sorting::SortMethod method, const std::vector<float>& items);

// A student's script's run on `items` as the race replays it: its steps as the race's, what
// each copy writes over, its code and notes, and where it failed.
Recording ScriptRecording(const script::ScriptFile& file, const std::vector<float>& items, script::ScriptRun run);
// The wall time a race gives a script by default: a loop that never ends is said soon.
inline constexpr double kScriptSeconds = 10;
// Runs the script, in a process of its own, and records it, within the race's limits.
Recording RecordScript(const script::ScriptFile& file, const std::vector<float>& items,
                       double seconds = kScriptSeconds, const script::RunWatch& stop = {});

}  // namespace race
