#include "race/race.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace race {

namespace {

std::vector<Recording> Recorded(const std::vector<float>& items, const std::vector<sorting::SortMethod>& methods,
                                std::vector<Recording> scripts)
{
    std::vector<Recording> lanes;
    for (sorting::SortMethod method : methods) lanes.push_back(Record(method, items));
    for (Recording& script : scripts) lanes.push_back(std::move(script));
    return lanes;
}

}  // namespace

Race::Race(const std::vector<float>& items, const std::vector<sorting::SortMethod>& methods,
           std::vector<Recording> scripts)
    : Race(Recorded(items, methods, std::move(scripts)))
{
}

Race::Race(std::vector<Recording> lanes)
{
    if (lanes.empty()) throw std::invalid_argument("a race needs a lane");
    const std::vector<float>& items = lanes.front().start;
    if (items.size() > 1) {
        const auto [smallest, largest] = std::minmax_element(items.begin() + 1, items.end());
        smallest_ = *smallest;
        largest_ = *largest;
    }
    lanes_.emplace_back(std::move(lanes.front()));
    lanes.erase(lanes.begin());
    Join(std::move(lanes));
}

void Race::Join(std::vector<Recording> scripts)
{
    for (Recording& lane : scripts) {
        if (lane.start != lanes_.front().Source().start) throw std::invalid_argument("a lane races on the race's items");
        lanes_.emplace_back(std::move(lane));
    }
    for (const Replay& lane : lanes_) longest_ = std::max(longest_, lane.TotalSteps());
    Follow();
}

std::vector<sorting::SortMethod> Race::Methods() const
{
    std::vector<sorting::SortMethod> methods;
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane)
        if (const auto method = MethodOf(lane)) methods.push_back(*method);
    return methods;
}

std::size_t Race::ScriptCount() const
{
    return static_cast<std::size_t>(
        std::count_if(lanes_.begin(), lanes_.end(), [](const Replay& lane) { return lane.Source().source.IsScript(); }));
}

std::optional<std::size_t> Race::FindLane(std::string_view key) const
{
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane)
        if (SourceOf(lane).Key() == key) return lane;
    return std::nullopt;
}

std::size_t Race::LaneOf(sorting::SortMethod method) const
{
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane)
        if (MethodOf(lane) == method) return lane;
    throw std::out_of_range("the method does not race");
}

const Replay& Race::Lane(sorting::SortMethod method) const { return lanes_[LaneOf(method)]; }

Replay& Race::Lane(sorting::SortMethod method) { return const_cast<Replay&>(std::as_const(*this).Lane(method)); }

void Race::Tick(std::uint64_t steps)
{
    clock_ += std::min(steps, longest_ - clock_);
    Follow();
}

void Race::Back(std::uint64_t steps)
{
    clock_ -= std::min(steps, clock_);
    Follow();
}

void Race::JumpTo(std::uint64_t clock)
{
    clock_ = std::min(clock, longest_);
    Follow();
}

void Race::Follow()
{
    for (Replay& lane : lanes_) lane.SeekTo(std::min(clock_, lane.TotalSteps()));
}

void Race::Restart()
{
    clock_ = 0;
    for (Replay& lane : lanes_) lane.Restart();
}

bool Race::AllFinished() const
{
    return std::all_of(lanes_.begin(), lanes_.end(), [](const Replay& lane) { return lane.Finished(); });
}

namespace {

bool Failed(const Replay& lane) { return lane.Source().script && lane.Source().script->failure; }

}  // namespace

std::optional<int> Race::RankOf(std::size_t lane) const
{
    if (Failed(LaneAt(lane))) return std::nullopt;
    const std::uint64_t steps = LaneAt(lane).TotalSteps();
    return 1 + static_cast<int>(std::count_if(lanes_.begin(), lanes_.end(), [steps](const Replay& other) {
               return !Failed(other) && other.TotalSteps() < steps;
           }));
}

int Race::Rank(sorting::SortMethod method) const { return *RankOf(LaneOf(method)); }

std::size_t Race::FirstToFinish() const
{
    std::size_t first = 0;
    for (std::size_t lane = 1; lane < lanes_.size(); ++lane)
        if (!Failed(lanes_[lane]) && lanes_[lane].TotalSteps() < lanes_[first].TotalSteps()) first = lane;
    return first;
}

}  // namespace race
