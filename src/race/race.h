#pragma once

#include "race/lesson_settings.h"
#include "race/replay.h"
#include "sorting/sort_method.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace race {

// Several methods on the same items, on one clock: at each tick every method that has not
// finished goes on by the same number of steps, so that a method's progress is its share of
// the work and the methods finish in the order of their costs.
class Race {
public:
    // Records each of `methods` (one or more, each once) sorting `items` (element 0 first, 1
    // to kMaxItems items); students' scripts, recorded on the same items, race after them.
    explicit Race(const std::vector<float>& items,
                  const std::vector<sorting::SortMethod>& methods = DefaultMethods(),
                  std::vector<Recording> scripts = {});
    // The lanes in the order given, methods and scripts alike, each recorded on the same items
    // (one or more lanes).
    explicit Race(std::vector<Recording> lanes);
    // Students' scripts, recorded on the race's items since it began, join it where it stands.
    void Join(std::vector<Recording> scripts);
    // Every method goes on by `steps` steps, or to its end.
    void Tick(std::uint64_t steps);
    // The race goes back by `steps` steps of its clock: every method stands where it stood
    // then, those that had finished by then too.
    void Back(std::uint64_t steps);
    void Restart();
    // To this step of the clock (at most the longest method's last), forward or back, at once.
    void JumpTo(std::uint64_t clock);
    // The steps the clock has counted: each method has made as many, or finished.
    std::uint64_t Clock() const { return clock_; }
    // The clock's last step: the longest method's.
    std::uint64_t Longest() const { return longest_; }

    // The methods racing, in their lanes' order.
    std::vector<sorting::SortMethod> Methods() const;
    // How many lanes are students' scripts.
    std::size_t ScriptCount() const;
    // The lane of one of the methods racing.
    const Replay& Lane(sorting::SortMethod method) const;
    Replay& Lane(sorting::SortMethod method);
    // Every lane, in the order given and joined.
    std::size_t LaneCount() const { return lanes_.size(); }
    const Replay& LaneAt(std::size_t lane) const { return lanes_.at(lane); }
    Replay& LaneAt(std::size_t lane) { return lanes_.at(lane); }
    const script::LaneSource& SourceOf(std::size_t lane) const { return LaneAt(lane).Source().source; }
    // A lane's method; none for a script's.
    std::optional<sorting::SortMethod> MethodOf(std::size_t lane) const { return SourceOf(lane).Method(); }
    // The method's title, or the script's file name.
    std::string Title(std::size_t lane) const { return SourceOf(lane).Title(); }
    // The lane whose key (a method's key, a script's file name) is `key`; none where none races.
    std::optional<std::size_t> FindLane(std::string_view key) const;

    bool AllFinished() const;
    // 1 for the lane with the fewest steps; lanes with as many steps share a place. A script
    // that failed has no place, nor counts for the others'.
    int Rank(sorting::SortMethod method) const;
    std::optional<int> RankOf(std::size_t lane) const;
    // The lane that finishes first: the one with the fewest steps, the first in the given order
    // among equals; a failed script's never.
    std::size_t FirstToFinish() const;
    std::int32_t NumItems() const { return static_cast<std::int32_t>(lanes_.front().Items().size()) - 1; }
    // The smallest and the largest item.
    float Smallest() const { return smallest_; }
    float Largest() const { return largest_; }

private:
    void Follow();
    // The lane of a method racing; out of range for one that does not.
    std::size_t LaneOf(sorting::SortMethod method) const;

    std::vector<Replay> lanes_;
    std::uint64_t clock_ = 0;
    std::uint64_t longest_ = 0;  // the most steps any method takes
    float smallest_ = 0;
    float largest_ = 0;
};

}  // namespace race
