#include "race/race.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace race {

Race::Race(const std::vector<float>& items, const std::vector<sorting::SortMethod>& methods) : methods_(methods)
{
    if (methods.empty()) throw std::invalid_argument("a race needs a method");
    if (items.size() > 1) {
        const auto [smallest, largest] = std::minmax_element(items.begin() + 1, items.end());
        smallest_ = *smallest;
        largest_ = *largest;
    }
    for (sorting::SortMethod method : methods) {
        lanes_.emplace_back(Record(method, items));
        longest_ = std::max(longest_, lanes_.back().TotalSteps());
    }
}

const Replay& Race::Lane(sorting::SortMethod method) const
{
    const auto at = std::find(methods_.begin(), methods_.end(), method);
    if (at == methods_.end()) throw std::out_of_range("the method does not race");
    return lanes_[static_cast<std::size_t>(at - methods_.begin())];
}

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

int Race::Rank(sorting::SortMethod method) const
{
    const std::uint64_t steps = Lane(method).TotalSteps();
    return 1 + static_cast<int>(std::count_if(lanes_.begin(), lanes_.end(),
                                              [steps](const Replay& lane) { return lane.TotalSteps() < steps; }));
}

sorting::SortMethod Race::FirstToFinish() const
{
    const auto first = std::min_element(
        lanes_.begin(), lanes_.end(), [](const Replay& a, const Replay& b) { return a.TotalSteps() < b.TotalSteps(); });
    return first->Source().method;
}

}  // namespace race
