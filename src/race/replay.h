#pragma once

#include "race/recording.h"

#include <cstdint>
#include <vector>

namespace race {

// A recording played back step by step: after k steps the items stand exactly as the sort
// left them after its k-th step, and the counts are those of its first k steps.
class Replay {
public:
    explicit Replay(Recording recording);

    // Goes on by `steps` steps, or to the end, whichever comes first.
    void Advance(std::uint64_t steps);
    // Back to the items before the sort.
    void Restart();

    const std::vector<float>& Items() const { return items_; }
    const Recording& Source() const { return recording_; }
    std::uint64_t StepsDone() const { return stepsDone_; }
    std::uint64_t TotalSteps() const { return recording_.TotalSteps(); }
    bool Finished() const { return stepsDone_ == TotalSteps(); }
    // The comparisons, exchanges, merges and moves of the steps done.
    sorting::SortCounts CountsDone() const;

    // The items changed since the last call, as the range of their indices (first > last
    // when none changed).
    std::pair<std::int32_t, std::int32_t> TakeChanged();

private:
    void Write(std::int32_t index, float value);
    void StepExchange(const Exchange& exchange, std::uint32_t step);
    void StepMerge(const MergeRun& merge, std::uint32_t step);

    Recording recording_;
    std::vector<float> items_;
    std::uint64_t stepsDone_ = 0;
    std::size_t nextExchange_ = 0;
    std::size_t nextMerge_ = 0;
    float held_ = 0;  // the item an exchange holds aside between its first and last move
    std::int64_t movesDone_ = 0;
    std::int64_t exchangesDone_ = 0;
    std::int64_t mergesDone_ = 0;
    std::int32_t changedFirst_;
    std::int32_t changedLast_;
};

}  // namespace race
