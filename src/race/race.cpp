#include "race/race.h"

#include <algorithm>

namespace race {

Race::Race(const std::vector<float>& items)
{
    for (sorting::SortMethod method : sorting::kSortMethods) lanes_.emplace_back(Record(method, items));
}

void Race::Tick(std::uint64_t steps)
{
    for (Replay& lane : lanes_) lane.Advance(steps);
}

void Race::Restart()
{
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
