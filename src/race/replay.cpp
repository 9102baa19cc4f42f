#include "race/replay.h"

#include "sorting/stability.h"

#include <algorithm>
#include <limits>

namespace race {

Replay::Replay(Recording recording) : recording_(std::move(recording))
{
    RankEquals();
    TakeSnapshots();
    Restart();
}

Replay::State Replay::Start() const
{
    State start;
    start.items = recording_.start;
    start.vacated.assign(start.items.size(), 0);
    const std::size_t scratchEntries = sorting::ScratchEntries(sorting::NumItems(start.items));
    start.scratch.assign(scratchEntries, 0.0f);
    start.live.assign(scratchEntries, 0);
    start.origin.assign(scratchEntries, 0);
    start.ids.resize(start.items.size());
    for (std::size_t i = 0; i < start.ids.size(); ++i) start.ids[i] = static_cast<std::int32_t>(i);
    start.scratchIds.assign(scratchEntries, 0);
    return start;
}

// Doing every step once also fills in what each move writes over, for the undoing.
void Replay::TakeSnapshots()
{
    replacedIds_.assign(recording_.replaced.size(), 0);
    now_ = Start();
    for (; now_.stepsDone < TotalSteps(); ++now_.stepsDone) {
        if (now_.stepsDone % kSnapshotEvery == 0) snapshots_.push_back(now_);
        Do(recording_.steps[now_.stepsDone]);
    }
}

void Replay::ChangedAll()
{
    changedFirst_ = 0;
    changedLast_ = static_cast<std::int32_t>(now_.items.size()) - 1;
    scratchChanged_ = true;
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
    return sorting::EqualsOutOfOrder(now_.items, now_.ids);
}

std::int32_t& Replay::IdAt(sorting::Index place)
{
    return sorting::IsScratch(place) ? now_.scratchIds[static_cast<std::size_t>(sorting::ScratchEntry(place))]
                                     : now_.ids[static_cast<std::size_t>(place)];
}

void Replay::Restart()
{
    now_ = snapshots_.empty() ? Start() : snapshots_.front();
    ChangedAll();
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
        now_.live[static_cast<std::size_t>(sorting::ScratchEntry(place))] = !vacated;
    else
        now_.vacated[static_cast<std::size_t>(place)] = vacated;
    Changed(place);
}

// Every move of these sorts goes to a place that is empty: one its item has left, or an
// entry of the scratch area not in use.
void Replay::MoveItem(sorting::Index from, sorting::Index to)
{
    if (sorting::IsScratch(to))
        now_.origin[static_cast<std::size_t>(sorting::ScratchEntry(to))] = static_cast<std::int32_t>(ItemOf(from));
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
    now_.done.merges += step.EndsMerge();
    switch (step.What()) {
        case Kind::Compare:
            ++now_.done.comparisons;
            return;
        case Kind::Read:
            ++now_.done.reads;
            return;
        case Kind::Hold:
            now_.held = At(step.A());
            now_.heldId = IdAt(step.A());
            now_.heldFrom = static_cast<std::int32_t>(step.A());
            now_.holding = true;
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
            Write(step.B(), now_.held);
            IdAt(step.B()) = now_.heldId;
            now_.holding = false;
            scratchChanged_ = true;
            SetVacated(step.B(), false);
            ++now_.done.exchanges;
            break;
        case Kind::Move:
            replacedIds_[now_.movesDone++] = IdAt(step.B());  // the same each time it is done
            MoveItem(step.A(), step.B());
            break;
        case Kind::SetAside:
            now_.origin[static_cast<std::size_t>(sorting::ScratchEntry(step.B()))] =
                static_cast<std::int32_t>(ItemOf(step.A()));
            Write(step.B(), At(step.A()));
            IdAt(step.B()) = IdAt(step.A());
            SetVacated(step.B(), false);
            return;
        case Kind::Copy:
            replacedIds_[now_.movesDone++] = IdAt(step.B());
            Write(step.B(), At(step.A()));
            IdAt(step.B()) = IdAt(step.A());
            if (sorting::IsScratch(step.A())) SetVacated(step.A(), true);
            break;
    }
    ++now_.done.moves;
}

// The same backwards: until an exchange's last move is undone, its held item stands at b;
// what a move wrote over is in the recording.
void Replay::Undo(const Step& step)
{
    using Kind = Step::Kind;
    now_.done.merges -= step.EndsMerge();
    switch (step.What()) {
        case Kind::Compare:
            --now_.done.comparisons;
            return;
        case Kind::Read:
            --now_.done.reads;
            return;
        case Kind::Hold:
            now_.holding = false;
            scratchChanged_ = true;
            SetVacated(step.A(), false);
            break;
        case Kind::Shift:
            Write(step.A(), now_.held);
            IdAt(step.A()) = now_.heldId;
            SetVacated(step.B(), false);
            SetVacated(step.A(), true);
            break;
        case Kind::Put:
            now_.held = At(step.B());
            now_.heldId = IdAt(step.B());
            now_.heldFrom = static_cast<std::int32_t>(step.A());
            now_.holding = true;
            scratchChanged_ = true;
            Write(step.B(), At(step.A()));
            IdAt(step.B()) = IdAt(step.A());
            SetVacated(step.B(), true);
            --now_.done.exchanges;
            break;
        case Kind::Move:
            UnmoveItem(step.A(), step.B(), recording_.replaced[--now_.movesDone]);
            IdAt(step.B()) = replacedIds_[now_.movesDone];
            break;
        case Kind::SetAside:
            SetVacated(step.B(), true);
            return;
        case Kind::Copy:
            Write(step.B(), recording_.replaced[--now_.movesDone]);
            IdAt(step.B()) = replacedIds_[now_.movesDone];
            if (sorting::IsScratch(step.A())) SetVacated(step.A(), false);
            break;
    }
    --now_.done.moves;
}

// A far step is reached from the nearest state kept before it, where that is fewer steps away.
void Replay::SeekTo(std::uint64_t step)
{
    const std::uint64_t target = std::min(step, TotalSteps());
    const auto nearest = static_cast<std::size_t>(target / kSnapshotEvery);
    const std::uint64_t away = target > now_.stepsDone ? target - now_.stepsDone : now_.stepsDone - target;
    if (nearest < snapshots_.size() && target - snapshots_[nearest].stepsDone < away) {
        now_ = snapshots_[nearest];
        ChangedAll();
    }
    for (; now_.stepsDone < target; ++now_.stepsDone) Do(recording_.steps[now_.stepsDone]);
    for (; now_.stepsDone > target; --now_.stepsDone) Undo(recording_.steps[now_.stepsDone - 1]);
}
void Replay::Advance(std::uint64_t steps) { SeekTo(now_.stepsDone + std::min(steps, TotalSteps() - now_.stepsDone)); }

void Replay::Back(std::uint64_t steps) { SeekTo(now_.stepsDone - std::min(steps, now_.stepsDone)); }

StepSeen Replay::LastStep() const
{
    if (now_.stepsDone == 0 || Finished()) return {};
    const Step& step = recording_.steps[now_.stepsDone - 1];
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
        case Step::Kind::SetAside:
            return {Kind::CopiedOut, a, b};
        case Step::Kind::Move:
        case Step::Kind::Copy:
            break;
    }
    if (sorting::IsScratch(b)) return {Kind::CopiedOut, a, b};
    if (sorting::IsScratch(a)) return {Kind::Written, b, a};
    return {Kind::Moved, a, b};
}

int Replay::Line() const { return now_.stepsDone == 0 || Finished() ? 0 : recording_.steps[now_.stepsDone - 1].Line(); }

CodeNotes::Note Replay::Code() const
{
    if (Line() == 0) return {};
    CodeNotes::Note note = recording_.notes.At(now_.stepsDone - 1);
    if (note.caller == Line()) note.caller = 0;  // a line is not its own caller
    return note;
}

std::optional<Replay::AsideItem> Replay::Held() const
{
    if (!now_.holding) return std::nullopt;
    return AsideItem{now_.heldFrom, now_.held};
}

std::vector<Replay::AsideItem> Replay::CopiedOut() const
{
    std::vector<AsideItem> copied;
    for (std::size_t entry = 0; entry < now_.live.size(); ++entry)
        if (now_.live[entry]) copied.push_back({static_cast<std::int32_t>(entry), now_.scratch[entry]});
    return copied;
}

const float& Replay::ValueAt(sorting::Index place) const
{
    return sorting::IsScratch(place) ? now_.scratch[static_cast<std::size_t>(sorting::ScratchEntry(place))]
                                     : now_.items[static_cast<std::size_t>(place)];
}

std::int32_t Replay::ItemOf(sorting::Index place) const
{
    return sorting::IsScratch(place) ? now_.origin[static_cast<std::size_t>(sorting::ScratchEntry(place))]
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
