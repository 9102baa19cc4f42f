#include "race/replay.h"

#include "sorting/stability.h"

#include <algorithm>
#include <limits>

namespace race {

Replay::Replay(Recording recording) : recording_(std::move(recording))
{
    RankEquals();
    Restart();
}

// The items of each value in the order they stood before the sort.
void Replay::RankEquals()
{
    const std::vector<float>& start = recording_.start;
    std::vector<std::int32_t> byValue(start.size() - 1);
    for (std::size_t i = 0; i < byValue.size(); ++i) byValue[i] = static_cast<std::int32_t>(i + 1);
    std::stable_sort(byValue.begin(), byValue.end(),
                     [&](std::int32_t a, std::int32_t b) { return start[std::size_t(a)] < start[std::size_t(b)]; });
    ranks_.assign(start.size(), -1);
    const auto value = [&](std::size_t k) { return start[std::size_t(byValue[k])]; };
    for (std::size_t k = 0; k < byValue.size(); ++k) {
        const bool first = k == 0 || value(k - 1) != value(k);
        const bool last = k + 1 == byValue.size() || value(k + 1) != value(k);
        if (first && last) continue;
        const int rank = first ? 0 : ranks_[std::size_t(byValue[k - 1])] + 1;
        ranks_[std::size_t(byValue[k])] = static_cast<std::int8_t>(std::min(rank, 127));
        hasEquals_ = true;
    }
}

std::optional<int> Replay::RankAmongEquals(std::int32_t origin) const
{
    const int rank = ranks_[static_cast<std::size_t>(origin)];
    return rank < 0 ? std::nullopt : std::optional(rank);
}

std::optional<std::pair<std::int32_t, std::int32_t>> Replay::EqualsChangedOrder() const
{
    return sorting::EqualsOutOfOrder(items_, ids_);
}

std::int32_t& Replay::IdAt(sorting::Index place)
{
    return sorting::IsScratch(place) ? scratchIds_[static_cast<std::size_t>(sorting::ScratchEntry(place))]
                                     : ids_[static_cast<std::size_t>(place)];
}

void Replay::Restart()
{
    items_ = recording_.start;
    vacated_.assign(items_.size(), 0);
    const std::size_t scratchEntries = sorting::ScratchEntries(sorting::NumItems(items_));
    scratch_.assign(scratchEntries, 0.0f);
    live_.assign(scratchEntries, 0);
    origin_.assign(scratchEntries, 0);
    held_ = 0;
    holding_ = false;
    ids_.resize(items_.size());
    for (std::size_t i = 0; i < ids_.size(); ++i) ids_[i] = static_cast<std::int32_t>(i);
    scratchIds_.assign(scratchEntries, 0);
    replacedIds_.assign(recording_.replaced.size(), 0);
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
    IdAt(to) = IdAt(from);
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
            heldId_ = IdAt(step.A());
            heldFrom_ = static_cast<std::int32_t>(step.A());
            holding_ = true;
            scratchChanged_ = true;
            SetVacated(step.A(), true);
            break;
        case Kind::Shift:
            Write(step.A(), At(step.B()));
            IdAt(step.A()) = IdAt(step.B());
            SetVacated(step.A(), false);
            SetVacated(step.B(), true);
            break;
        case Kind::Put:
            Write(step.B(), held_);
            IdAt(step.B()) = heldId_;
            holding_ = false;
            scratchChanged_ = true;
            SetVacated(step.B(), false);
            ++done_.exchanges;
            break;
        case Kind::Move:
            replacedIds_[movesDone_++] = IdAt(step.B());
            MoveItem(step.A(), step.B());
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
            IdAt(step.A()) = heldId_;
            SetVacated(step.B(), false);
            SetVacated(step.A(), true);
            break;
        case Kind::Put:
            held_ = At(step.B());
            heldId_ = IdAt(step.B());
            heldFrom_ = static_cast<std::int32_t>(step.A());
            holding_ = true;
            scratchChanged_ = true;
            Write(step.B(), At(step.A()));
            IdAt(step.B()) = IdAt(step.A());
            SetVacated(step.B(), true);
            --done_.exchanges;
            break;
        case Kind::Move:
            UnmoveItem(step.A(), step.B(), recording_.replaced[--movesDone_]);
            IdAt(step.B()) = replacedIds_[movesDone_];
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

int Replay::Line() const { return stepsDone_ == 0 || Finished() ? 0 : recording_.steps[stepsDone_ - 1].Line(); }

int Replay::Caller() const
{
    const int caller = Line() == 0 ? 0 : recording_.notes.At(stepsDone_ - 1).caller;
    return caller == Line() ? 0 : caller;
}

std::vector<float> Replay::Values() const
{
    if (Line() == 0) return {};
    return recording_.notes.At(stepsDone_ - 1).values;
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
        if (live_[entry]) copied.push_back({static_cast<std::int32_t>(entry), scratch_[entry]});
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
