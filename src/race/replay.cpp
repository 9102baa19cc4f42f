#include "race/replay.h"

#include <algorithm>
#include <limits>

namespace race {
namespace {

// The place (from 0) that part `part` of a merge writes, if it writes one: after the copying
// out, every other step.
std::optional<std::uint32_t> PlaceWritten(const MergeRun& merge, std::uint64_t part)
{
    if (part <= merge.Length() || (part - merge.Length()) % 2 != 0) return std::nullopt;
    return static_cast<std::uint32_t>(part - merge.Length()) / 2 - 1;
}

}  // namespace

Replay::Replay(Recording recording) : recording_(std::move(recording)) { Restart(); }

void Replay::Restart()
{
    items_ = recording_.start;
    stepsDone_ = 0;
    next_ = 0;
    changedFirst_ = 0;
    changedLast_ = static_cast<std::int32_t>(items_.size()) - 1;
}

std::size_t Replay::Changes() const
{
    return recording_.exchanges.empty() ? recording_.merges.size() : recording_.exchanges.size();
}

std::uint64_t Replay::Begins(std::size_t change) const
{
    return recording_.exchanges.empty() ? recording_.merges[change].stepsBefore
                                        : recording_.exchanges[change].stepsBefore;
}

// An exchange is three moves; a merge copies its items out, then compares and writes one
// for each place.
std::uint64_t Replay::Length(std::size_t change) const
{
    return recording_.exchanges.empty() ? 3ULL * recording_.merges[change].Length() : 3;
}

std::uint64_t Replay::MovesBefore(std::size_t change) const
{
    if (!recording_.exchanges.empty()) return 3ULL * change;
    const std::uint64_t merged =
        change < recording_.merges.size() ? recording_.merges[change].first : recording_.merged.size();
    return 2 * merged;
}

std::optional<std::pair<std::size_t, std::uint64_t>> Replay::ChangeOf(std::uint64_t k) const
{
    if (next_ < Changes() && k > Begins(next_)) return std::pair{next_, k - Begins(next_)};
    if (next_ > 0 && k == Begins(next_ - 1) + Length(next_ - 1)) return std::pair{next_ - 1, Length(next_ - 1)};
    return std::nullopt;
}

sorting::SortCounts Replay::CountsDone() const
{
    std::uint64_t moves = MovesBefore(next_);
    if (next_ < Changes() && stepsDone_ > Begins(next_)) {
        const std::uint64_t part = stepsDone_ - Begins(next_);
        if (recording_.exchanges.empty()) {
            // A merge's copying out moves every item; then every other step writes one.
            const std::uint64_t length = recording_.merges[next_].Length();
            moves += part <= length ? part : length + (part - length) / 2;
        } else {
            moves += part;  // each step of an exchange is a move
        }
    }
    const auto done = static_cast<std::int64_t>(next_);
    return {static_cast<std::int64_t>(stepsDone_ - moves), recording_.exchanges.empty() ? 0 : done,
            recording_.merges.empty() ? 0 : done, static_cast<std::int64_t>(moves)};
}

StepSeen Replay::LastStep() const
{
    if (stepsDone_ == 0 || Finished()) return {};
    const auto compared = [this] {
        const ComparedPair pair = recording_.compared[static_cast<std::size_t>(CountsDone().comparisons) - 1];
        return StepSeen{StepSeen::Kind::Compared, pair.i, pair.j};
    };
    const auto change = ChangeOf(stepsDone_);
    if (!change) return compared();
    const auto [index, part] = *change;
    if (!recording_.exchanges.empty()) {
        const Exchange& exchange = recording_.exchanges[index];
        return {StepSeen::Kind::Exchanged, exchange.i, exchange.j};
    }
    const MergeRun& merge = recording_.merges[index];
    if (part <= merge.Length()) return {StepSeen::Kind::CopiedOut, static_cast<std::int32_t>(merge.lo + part - 1)};
    if (const auto place = PlaceWritten(merge, part))
        return {StepSeen::Kind::Written, static_cast<std::int32_t>(merge.lo + *place)};
    return compared();
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

// An exchange of I and J: hold item I aside, move item J to I, move the held item to J. A
// merge: copy its items out, then for each place compare, and write the merged item.
void Replay::Apply(std::size_t change, std::uint64_t part)
{
    if (!recording_.exchanges.empty()) {
        const Exchange& e = recording_.exchanges[change];
        if (part == 1) held_ = items_[e.i];
        if (part == 2) Write(e.i, items_[e.j]);
        if (part == 3) Write(e.j, held_);
        return;
    }
    const MergeRun& merge = recording_.merges[change];
    if (const auto place = PlaceWritten(merge, part))
        Write(merge.lo + static_cast<std::int32_t>(*place), recording_.merged[merge.first + *place]);
}

// The same backwards: the held item is in J until the last move is undone, and the item a
// merge wrote over is in the recording.
void Replay::Undo(std::size_t change, std::uint64_t part)
{
    if (!recording_.exchanges.empty()) {
        const Exchange& e = recording_.exchanges[change];
        if (part == 3) {
            held_ = items_[e.j];
            Write(e.j, items_[e.i]);
        }
        if (part == 2) Write(e.i, held_);
        return;
    }
    const MergeRun& merge = recording_.merges[change];
    if (const auto place = PlaceWritten(merge, part))
        Write(merge.lo + static_cast<std::int32_t>(*place), recording_.replaced[merge.first + *place]);
}

void Replay::SeekTo(std::uint64_t step)
{
    const std::uint64_t target = std::min(step, TotalSteps());
    // Forward: comparisons between changes change nothing and are passed at once.
    while (stepsDone_ < target) {
        if (next_ < Changes() && target > Begins(next_)) {
            stepsDone_ = std::max(stepsDone_, Begins(next_));
            const std::uint64_t end = Begins(next_) + Length(next_);
            for (; stepsDone_ < std::min(target, end); ++stepsDone_) Apply(next_, stepsDone_ + 1 - Begins(next_));
            if (stepsDone_ == end) ++next_;
        } else {
            stepsDone_ = target;
        }
    }
    // Back: the parts of a change undone from its last, the comparisons passed at once.
    while (stepsDone_ > target) {
        if (next_ < Changes() && stepsDone_ > Begins(next_)) {
            for (; stepsDone_ > std::max(target, Begins(next_)); --stepsDone_) Undo(next_, stepsDone_ - Begins(next_));
        } else if (next_ > 0) {
            const std::uint64_t end = Begins(next_ - 1) + Length(next_ - 1);
            if (stepsDone_ > end)
                stepsDone_ = std::max(target, end);
            else
                --next_;  // its last part is the step to undo
        } else {
            stepsDone_ = target;
        }
    }
}

void Replay::Advance(std::uint64_t steps) { SeekTo(stepsDone_ + std::min(steps, TotalSteps() - stepsDone_)); }

void Replay::Back(std::uint64_t steps) { SeekTo(stepsDone_ - std::min(steps, stepsDone_)); }

}  // namespace race
