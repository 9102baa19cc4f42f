#pragma once

#include "race/recording.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace race {

// What the last step done was, and which places it touched: the two a comparison read, the
// two an exchange moves, the item a move copies out or writes.
struct StepSeen {
    enum class Kind { None, Compared, Exchanged, CopiedOut, Written };
    Kind kind = Kind::None;
    std::int32_t first = 0;
    std::int32_t second = 0;  // for a comparison and an exchange

    bool operator==(const StepSeen&) const = default;
};

// A recording played step by step, forward and back: after k steps the items stand exactly
// as the sort left them after its k-th step, and the counts are those of its first k steps.
class Replay {
public:
    explicit Replay(Recording recording);

    // To the state after `step` steps (at most the total), forward or back.
    void SeekTo(std::uint64_t step);
    // Goes on by `steps` steps, or to the end, whichever comes first.
    void Advance(std::uint64_t steps);
    // Goes back by `steps` steps, or to the start.
    void Back(std::uint64_t steps);
    // Back to the items before the sort.
    void Restart();

    const std::vector<float>& Items() const { return items_; }
    const Recording& Source() const { return recording_; }
    std::uint64_t StepsDone() const { return stepsDone_; }
    std::uint64_t TotalSteps() const { return recording_.TotalSteps(); }
    bool Finished() const { return stepsDone_ == TotalSteps(); }
    // The comparisons, exchanges, merges and moves of the steps done.
    const sorting::SortCounts& CountsDone() const { return done_; }
    // The last step done; none before the first step and once the sort is finished.
    StepSeen LastStep() const;

    // The items changed since the last call, as the range of their indices (first > last
    // when none changed).
    std::pair<std::int32_t, std::int32_t> TakeChanged();

private:
    void Do(const Step& step);
    void Undo(const Step& step);
    float& At(sorting::Index place);
    void Write(sorting::Index place, float value);

    Recording recording_;
    std::vector<float> items_;
    std::vector<float> scratch_;
    float held_ = 0;  // the item an exchange holds aside between its first and last move
    std::uint64_t stepsDone_ = 0;
    std::size_t movesDone_ = 0;  // of the Move steps, whose replaced items are kept in order
    sorting::SortCounts done_;
    std::int32_t changedFirst_;
    std::int32_t changedLast_;
};

}  // namespace race
