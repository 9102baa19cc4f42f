#include "race/replay.h"

#include <algorithm>
#include <limits>

namespace race {

Replay::Replay(Recording recording) : recording_(std::move(recording)) { Restart(); }

void Replay::Restart()
{
    items_ = recording_.start;
    vacated_.assign(items_.size(), 0);
    scratch_.assign(items_.size(), 0.0f);
    live_.assign(items_.size(), 0);
    origin_.assign(items_.size(), 0);
    held_ = 0;
    holding_ = false;
    stepsDone_ = 0;
    movesDone_ = 0;
    done_ = {};
    changedFirst_ = 0;
    changedLast_ = static_cast<std::int32_t>(items_.size()) - 1;
    scratchChanged_ = true;
}

float& Replay::At(sorting::Index place) { return const_cast<float&>(ValueAt(place)); }

void Replay::Write(sorting::Index place, float value)
{
    At(place) = value;
    Changed(place);
}

void Replay::Changed(sorting::Index place)
{
    if (sorting::IsScratch(place)) {
        scratchChanged_ = true;
        return;
    }
    changedFirst_ = std::min(changedFirst_, static_cast<std::int32_t>(place));
    changedLast_ = std::max(changedLast_, static_cast<std::int32_t>(place));
}

void Replay::SetVacated(sorting::Index place, bool vacated)
{
    if (sorting::IsScratch(place))
        live_[static_cast<std::size_t>(sorting::ScratchEntry(place))] = !vacated;
    else
        vacated_[static_cast<std::size_t>(place)] = vacated;
    Changed(place);
}

// Every move of these sorts goes to a place that is empty: one its item has left, or an
// entry of the scratch area not in use.
void Replay::MoveItem(sorting::Index from, sorting::Index to)
{
    if (sorting::IsScratch(to))
        origin_[static_cast<std::size_t>(sorting::ScratchEntry(to))] = static_cast<std::int32_t>(ItemOf(from));
    Write(to, At(from));
    SetVacated(from, true);
    SetVacated(to, false);
}

void Replay::UnmoveItem(sorting::Index from, sorting::Index to, float replaced)
{
    Write(to, replaced);
    SetVacated(to, true);
    SetVacated(from, false);
}

void Replay::Do(const Step& step)
{
    using Kind = Step::Kind;
    done_.merges += step.EndsMerge();
    switch (step.What()) {
        case Kind::Compare:
            ++done_.comparisons;
            return;
        case Kind::Read:
            ++done_.reads;
            return;
        case Kind::Hold:
            held_ = At(step.A());
            heldFrom_ = static_cast<std::int32_t>(step.A());
            holding_ = true;
            scratchChanged_ = true;
            SetVacated(step.A(), true);
            break;
        case Kind::Shift:
            Write(step.A(), At(step.B()));
            SetVacated(step.A(), false);
            SetVacated(step.B(), true);
            break;
        case Kind::Put:
            Write(step.B(), held_);
            holding_ = false;
            scratchChanged_ = true;
            SetVacated(step.B(), false);
            ++done_.exchanges;
            break;
        case Kind::Move:
            MoveItem(step.A(), step.B());
            ++movesDone_;
            break;
    }
    ++done_.moves;
}

// The same backwards: until an exchange's last move is undone, its held item stands at b;
// what a move wrote over is in the recording.
void Replay::Undo(const Step& step)
{
    using Kind = Step::Kind;
    done_.merges -= step.EndsMerge();
    switch (step.What()) {
        case Kind::Compare:
            --done_.comparisons;
            return;
        case Kind::Read:
            --done_.reads;
            return;
        case Kind::Hold:
            holding_ = false;
            scratchChanged_ = true;
            SetVacated(step.A(), false);
            break;
        case Kind::Shift:
            Write(step.A(), held_);
            SetVacated(step.B(), false);
            SetVacated(step.A(), true);
            break;
        case Kind::Put:
            held_ = At(step.B());
            heldFrom_ = static_cast<std::int32_t>(step.A());
            holding_ = true;
            scratchChanged_ = true;
            Write(step.B(), At(step.A()));
            SetVacated(step.B(), true);
            --done_.exchanges;
            break;
        case Kind::Move:
            UnmoveItem(step.A(), step.B(), recording_.replaced[--movesDone_]);
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
    using Kind = StepSeen::Kind;
    switch (step.What()) {
        case Step::Kind::Compare:
            return {Kind::Compared, a, b};
        case Step::Kind::Read:
            return {Kind::Read, a, a};
        case Step::Kind::Hold:
            return {Kind::Held, a, b};
        case Step::Kind::Shift:
            return {Kind::Shifted, a, b};
        case Step::Kind::Put:
            return {Kind::Put, a, b};
        case Step::Kind::Move:
            break;
    }
    if (sorting::IsScratch(b)) return {Kind::CopiedOut, a, b};
    if (sorting::IsScratch(a)) return {Kind::Written, b, a};
    return {Kind::Moved, a, b};
}

std::optional<Replay::AsideItem> Replay::Held() const
{
    if (!holding_) return std::nullopt;
    return AsideItem{heldFrom_, held_};
}

std::vector<Replay::AsideItem> Replay::CopiedOut() const
{
    std::vector<AsideItem> copied;
    for (std::size_t entry = 0; entry < live_.size(); ++entry)
        if (live_[entry]) copied.push_back({origin_[entry], scratch_[entry]});
    return copied;
}

const float& Replay::ValueAt(sorting::Index place) const
{
    return sorting::IsScratch(place) ? scratch_[static_cast<std::size_t>(sorting::ScratchEntry(place))]
                                     : items_[static_cast<std::size_t>(place)];
}

std::int32_t Replay::ItemOf(sorting::Index place) const
{
    return sorting::IsScratch(place) ? origin_[static_cast<std::size_t>(sorting::ScratchEntry(place))]
                                     : static_cast<std::int32_t>(place);
}

Replay::Changes Replay::TakeChanged()
{
    const Changes changed{changedFirst_, changedLast_, scratchChanged_};
    scratchChanged_ = false;
    changedFirst_ = std::numeric_limits<std::int32_t>::max();
    changedLast_ = std::numeric_limits<std::int32_t>::min();
    return changed;
}

}  // namespace race
