#include "race/replay.h"

#include <algorithm>
#include <limits>

namespace race {

Replay::Replay(Recording recording) : recording_(std::move(recording)) { Restart(); }

void Replay::Restart()
{
    items_ = recording_.start;
    scratch_.assign(items_.size(), 0.0f);
    held_ = 0;
    stepsDone_ = 0;
    movesDone_ = 0;
    done_ = {};
    changedFirst_ = 0;
    changedLast_ = static_cast<std::int32_t>(items_.size()) - 1;
}

float& Replay::At(sorting::Index place)
{
    return sorting::IsScratch(place) ? scratch_[static_cast<std::size_t>(sorting::ScratchEntry(place))]
                                     : items_[static_cast<std::size_t>(place)];
}

void Replay::Write(sorting::Index place, float value)
{
    At(place) = value;
    if (sorting::IsScratch(place)) return;
    changedFirst_ = std::min(changedFirst_, static_cast<std::int32_t>(place));
    changedLast_ = std::max(changedLast_, static_cast<std::int32_t>(place));
}

void Replay::Do(const Step& step)
{
    using Kind = Step::Kind;
    switch (step.What()) {
        case Kind::Compare:
            ++done_.comparisons;
            return;
        case Kind::Hold:
            held_ = At(step.A());
            break;
        case Kind::Shift:
            Write(step.A(), At(step.B()));
            break;
        case Kind::Put:
            Write(step.B(), held_);
            ++done_.exchanges;
            break;
        case Kind::Move:
            Write(step.B(), At(step.A()));
            ++movesDone_;
            done_.merges += step.EndsMerge();
            break;
    }
    ++done_.moves;
}

// The same backwards: until an exchange's last move is undone, its held item stands at b;
// what a move wrote over is in the recording.
void Replay::Undo(const Step& step)
{
    using Kind = Step::Kind;
    switch (step.What()) {
        case Kind::Compare:
            --done_.comparisons;
            return;
        case Kind::Hold:
            break;
        case Kind::Shift:
            Write(step.A(), held_);
            break;
        case Kind::Put:
            held_ = At(step.B());
            Write(step.B(), At(step.A()));
            --done_.exchanges;
            break;
        case Kind::Move:
            Write(step.B(), recording_.replaced[--movesDone_]);
            done_.merges -= step.EndsMerge();
            break;
    }
    --done_.moves;
}

void Replay::SeekTo(std::uint64_t step)
{
    const std::uint64_t target = std::min(step, TotalSteps());
    for (; stepsDone_ < target; ++stepsDone_) Do(recording_.steps[stepsDone_]);
    for (; stepsDone_ > target; --stepsDone_) Undo(recording_.steps[stepsDone_ - 1]);
}

void Replay::Advance(std::uint64_t steps) { SeekTo(stepsDone_ + std::min(steps, TotalSteps() - stepsDone_)); }

void Replay::Back(std::uint64_t steps) { SeekTo(stepsDone_ - std::min(steps, stepsDone_)); }

StepSeen Replay::LastStep() const
{
    if (stepsDone_ == 0 || Finished()) return {};
    const Step& step = recording_.steps[stepsDone_ - 1];
    const auto a = static_cast<std::int32_t>(step.A()), b = static_cast<std::int32_t>(step.B());
    switch (step.What()) {
        case Step::Kind::Compare:
            return {StepSeen::Kind::Compared, a, b};
        case Step::Kind::Move:
            if (sorting::IsScratch(b)) return {StepSeen::Kind::CopiedOut, a};
            return {StepSeen::Kind::Written, b};
        default:
            return {StepSeen::Kind::Exchanged, a, b};
    }
}

std::pair<std::int32_t, std::int32_t> Replay::TakeChanged()
{
    const std::pair changed{changedFirst_, changedLast_};
    changedFirst_ = std::numeric_limits<std::int32_t>::max();
    changedLast_ = std::numeric_limits<std::int32_t>::min();
    return changed;
}

}  // namespace race
