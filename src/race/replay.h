#pragma once

#include "race/recording.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace race {

// What the last step done was, and which places it touched, each an element or an entry of
// the scratch area (sorting::ScratchPlace):
// - Compared: the two places read;
// - Held, Shifted, Put: the three moves of an exchange of items `first` and `second`;
// - CopiedOut: item `first` copied to scratch entry `second`;
// - Written: item `first` written from scratch entry `second`;
// - Moved: an item moved from place `first` to place `second` in the array;
// - Read: item `first` read for its key.
struct StepSeen {
    enum class Kind { None, Compared, Held, Shifted, Put, CopiedOut, Written, Moved, Read };
    Kind kind = Kind::None;
    std::int32_t first = 0;
    std::int32_t second = 0;

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

    // The array as the sort has it at this step: an item moved away still stands at its
    // place until it is written over.
    const std::vector<float>& Items() const { return now_.items; }
    // Whether item i has been taken from its place (held in hand, copied out or moved on),
    // its place not yet filled again.
    bool Vacated(std::int32_t i) const { return now_.vacated[static_cast<std::size_t>(i)] != 0; }
    // An item set aside, and the place it stands under: held in hand by an exchange, under the
    // place it was taken from; or copied out, under its entry of the scratch area, which is
    // indexed like the items, so that the copies stand in the order the sort keeps them.
    struct AsideItem {
        std::int32_t at;
        float value;
    };
    // The item an exchange holds in hand between its first and last move.
    std::optional<AsideItem> Held() const;
    // The items copied out to the scratch area and not yet written back.
    std::vector<AsideItem> CopiedOut() const;
    // The value at a place, and the item place it stands for: its own, or for a scratch entry
    // the place it was copied from.
    const float& ValueAt(sorting::Index place) const;
    std::int32_t ItemOf(sorting::Index place) const;
    const Recording& Source() const { return recording_; }
    std::uint64_t StepsDone() const { return now_.stepsDone; }
    std::uint64_t TotalSteps() const { return recording_.TotalSteps(); }
    bool Finished() const { return now_.stepsDone == TotalSteps(); }
    // The comparisons, exchanges, merges, moves and reads of the steps done.
    const sorting::SortCounts& CountsDone() const { return now_.done; }
    // The last step done; none before the first step and once the sort is finished.
    StepSeen LastStep() const;
    // The line of the method's code that step comes from, from 1; 0 where there is none.
    int Line() const;
    // The code's variables at that step, in the order the method names them (NaN where one
    // has none), and the line whose call that line carries out (from 1; 0 where there is
    // none); nothing where there is no step.
    CodeNotes::Note Code() const;

    // Which item of those before the sort stands at place i now: its place then.
    std::int32_t Origin(std::int32_t i) const { return now_.ids[static_cast<std::size_t>(i)]; }
    // The rank of an item among the items of its value, by its place before the sort: 0 for
    // the first, 1 for the second, ...; none for an item whose value no other item has.
    std::optional<int> RankAmongEquals(std::int32_t origin) const;
    bool HasEquals() const { return hasEquals_; }
    // Once finished, the first two equal items that stand in the other order than before the
    // sort, by their origins, the one now first first; none where every equal pair kept it.
    std::optional<std::pair<std::int32_t, std::int32_t>> EqualsChangedOrder() const;

    // What changed since the last call: the range of the items' indices (first > last when
    // none changed), and whether what is held in hand or copied out changed.
    struct Changes {
        std::int32_t first;
        std::int32_t last;
        bool aside;
    };
    Changes TakeChanged();

private:
    void Do(const Step& step);
    void Undo(const Step& step);
    float& At(sorting::Index place);
    void Write(sorting::Index place, float value);
    void Changed(sorting::Index place);
    std::int32_t& IdAt(sorting::Index place);
    void RankEquals();
    // A place emptied by a move from it, or filled by a move to it.
    void SetVacated(sorting::Index place, bool vacated);
    // An item moved from one place to another, and back.
    void MoveItem(sorting::Index from, sorting::Index to);
    void UnmoveItem(sorting::Index from, sorting::Index to, float replaced);

    // Where the replay stands: all that a step changes.
    struct State {
        std::vector<float> items;
        std::vector<std::uint8_t> vacated;
        std::vector<float> scratch;
        std::vector<std::uint8_t> live;    // scratch entries holding a copied item
        std::vector<std::int32_t> origin;  // the place each scratch entry's item came from
        float held = 0;
        std::int32_t heldFrom = 0;
        bool holding = false;
        // Each item's place before the sort, as it moves: at each place, in each scratch entry,
        // in hand.
        std::vector<std::int32_t> ids, scratchIds;
        std::int32_t heldId = 0;
        std::uint64_t stepsDone = 0;
        std::size_t movesDone = 0;  // of the Move steps, whose replaced items are kept in order
        sorting::SortCounts done;
    };
    // The state before the sort.
    State Start() const;
    // Keeps the state every kSnapshotEvery steps, and what each move wrote over, in one pass.
    void TakeSnapshots();
    // Marks everything as changed, as after a jump.
    void ChangedAll();

    static constexpr std::uint64_t kSnapshotEvery = 1 << 16;

    Recording recording_;
    State now_;
    std::vector<State> snapshots_;           // at steps 0, kSnapshotEvery, 2 kSnapshotEvery, ...
    std::vector<std::int32_t> replacedIds_;  // the item each move wrote over, by its place before the sort
    std::vector<std::int8_t> ranks_;         // each item's rank among its equals
    bool hasEquals_ = false;
    std::int32_t changedFirst_;
    std::int32_t changedLast_;
    bool scratchChanged_;
};

}  // namespace race
