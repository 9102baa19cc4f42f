#include "race/replay.h"

#include <algorithm>
#include <limits>

namespace race {

Replay::Replay(Recording recording) : recording_(std::move(recording)) { Restart(); }

void Replay::Restart()
{
    items_ = recording_.start;
    stepsDone_ = 0;
    nextExchange_ = nextMerge_ = 0;
    movesDone_ = exchangesDone_ = mergesDone_ = 0;
    changedFirst_ = 0;
    changedLast_ = static_cast<std::int32_t>(items_.size()) - 1;
}

sorting::SortCounts Replay::CountsDone() const
{
    return {static_cast<std::int64_t>(stepsDone_) - movesDone_, exchangesDone_, mergesDone_, movesDone_};
}

std::pair<std::int32_t, std::int32_t> Replay::TakeChanged()
{
    const std::pair changed{changedFirst_, changedLast_};
    changedFirst_ = std::numeric_limits<std::int32_t>::max();
    changedLast_ = std::numeric_limits<std::int32_t>::min();
    return changed;
}

void Replay::Write(std::int32_t index, float value)
{
    items_[static_cast<std::size_t>(index)] = value;
    changedFirst_ = std::min(changedFirst_, index);
    changedLast_ = std::max(changedLast_, index);
}

// Step 1 to 3 of an exchange of I and J: hold item I aside, move item J to I, move the held
// item to J.
void Replay::StepExchange(const Exchange& exchange, std::uint32_t step)
{
    ++movesDone_;
    if (step == 1) held_ = items_[exchange.i];
    if (step == 2) Write(exchange.i, items_[exchange.j]);
    if (step == 3) {
        Write(exchange.j, held_);
        ++exchangesDone_;
    }
}

// Step 1 to 3 × length of a merge: the items copied out, then for each place a comparison
// and the move of the merged item into it.
void Replay::StepMerge(const MergeRun& merge, std::uint32_t step)
{
    const std::uint32_t length = merge.hi - merge.lo + 1u;
    if (step <= length) {
        ++movesDone_;
        return;
    }
    const std::uint32_t pairStep = step - length;  // 1, 2 for the first place; 3, 4 for the next ...
    if (pairStep % 2 == 0) {
        const std::uint32_t place = pairStep / 2 - 1;
        Write(merge.lo + static_cast<std::int32_t>(place), recording_.merged[merge.first + place]);
        ++movesDone_;
    }
    if (step == 3 * length) ++mergesDone_;
}

void Replay::Advance(std::uint64_t steps)
{
    const std::uint64_t target = std::min(TotalSteps(), stepsDone_ + std::min(steps, TotalSteps()));
    while (stepsDone_ < target) {
        // The next change, and the steps it takes; comparisons between changes change nothing.
        std::uint64_t begins = TotalSteps(), length = 0;
        const Exchange* exchange = nullptr;
        const MergeRun* merge = nullptr;
        if (nextExchange_ < recording_.exchanges.size()) {
            exchange = &recording_.exchanges[nextExchange_];
            begins = exchange->stepsBefore;
            length = 3;
        } else if (nextMerge_ < recording_.merges.size()) {
            merge = &recording_.merges[nextMerge_];
            begins = merge->stepsBefore;
            length = 3ULL * (merge->hi - merge->lo + 1u);
        }
        if (target <= begins) {
            stepsDone_ = target;
            break;
        }
        stepsDone_ = std::max(stepsDone_, begins);
        const std::uint64_t until = std::min(target, begins + length);
        for (; stepsDone_ < until; ++stepsDone_) {
            const auto step = static_cast<std::uint32_t>(stepsDone_ - begins + 1);
            if (exchange) StepExchange(*exchange, step);
            if (merge) StepMerge(*merge, step);
        }
        if (stepsDone_ == begins + length) exchange ? ++nextExchange_ : ++nextMerge_;
    }
}

}  // namespace race
