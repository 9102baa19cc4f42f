#include "race/recording.h"

#include <stdexcept>

namespace race {
namespace {

// Hears every comparison, exchange and merge of a sort and writes them down, each change at
// the step where it begins.
class Recorder {
public:
    Recorder(Recording& recording, std::span<const float> items)
        : recording_(recording), items_(items), before_(items.begin(), items.end())
    {
    }

    void Compared(sorting::Index i, sorting::Index j)
    {
        recording_.compared.push_back({static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(j)});
        counter_.Compared(i, j);
    }
    void Swapped(sorting::Index i, sorting::Index j)
    {
        recording_.exchanges.push_back({StepsSoFar(), static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(j)});
        counter_.Swapped(i, j);
    }
    // Heard after the merge, whose comparisons, one per place, were heard already. Only
    // merges change merge sort's items, so `before_` holds them as the merge found them.
    void Merged(sorting::Index lo, sorting::Index mid, sorting::Index hi)
    {
        const auto length = static_cast<std::uint32_t>(hi - lo + 1);
        recording_.merges.push_back({StepsSoFar() - length, static_cast<std::uint16_t>(lo),
                                     static_cast<std::uint16_t>(hi),
                                     static_cast<std::uint32_t>(recording_.merged.size())});
        recording_.merged.insert(recording_.merged.end(), items_.begin() + lo, items_.begin() + hi + 1);
        recording_.replaced.insert(recording_.replaced.end(), before_.begin() + lo, before_.begin() + hi + 1);
        std::copy(items_.begin() + lo, items_.begin() + hi + 1, before_.begin() + lo);
        counter_.Merged(lo, mid, hi);
    }

    const sorting::SortCounts& Counts() const { return counter_.counts; }

private:
    std::uint32_t StepsSoFar() const
    {
        return static_cast<std::uint32_t>(counter_.counts.comparisons + counter_.counts.moves);
    }

    Recording& recording_;
    std::span<const float> items_;
    std::vector<float> before_;
    sorting::CountingObserver counter_;
};

}  // namespace

Recording Record(sorting::SortMethod method, const std::vector<float>& items)
{
    if (items.empty() || sorting::NumItems(items) > kMaxItems)
        throw std::invalid_argument("a race holds 1 to 2,000 items");
    Recording recording{method, items, {}, {}, {}, {}, {}, {}};
    std::vector<float> work = items;
    Recorder recorder(recording, work);
    sorting::Sort(method, work, recorder);
    recording.totals = recorder.Counts();
    return recording;
}

}  // namespace race
