#include "race/code_track.h"

#include "sorting/counting_observer.h"

#include <cmath>

namespace race {
namespace {

// Hears the values of the variables at each line, and keeps them for each step that follows.
class Tracker : public sorting::IgnoresSteps {
public:
    Tracker(std::vector<float>& values, std::size_t count, std::uint64_t& steps)
        : values_(values), now_(count, NAN), steps_(steps)
    {
    }

    template <typename... Values>
    void Line(int, Values... values)
    {
        std::size_t v = 0;
        ((v < now_.size() ? now_[v++] = static_cast<float>(values) : 0.0f), ...);
    }
    void Compared(sorting::Index, sorting::Index) { Keep(1); }
    void Read(sorting::Index) { Keep(1); }
    void Moved(sorting::Index, sorting::Index) { Keep(1); }
    void Swapped(sorting::Index, sorting::Index) { Keep(3); }

private:
    void Keep(int steps)
    {
        steps_ += static_cast<std::uint64_t>(steps);
        for (int s = 0; s < steps; ++s) values_.insert(values_.end(), now_.begin(), now_.end());
    }

    std::vector<float>& values_;
    std::vector<float> now_;
    std::uint64_t& steps_;
};

}  // namespace

CodeTrack::CodeTrack(sorting::SortMethod method, const std::vector<float>& items)
    : method_(method), count_(sorting::Facts(method).code.variables.size())
{
    // Counted first, so that the values are written into room made once.
    std::vector<float> work = items;
    sorting::CountingObserver counter;
    sorting::Sort(method, work, counter);
    const sorting::SortCounts& counts = counter.counts;
    values_.reserve(static_cast<std::size_t>(counts.comparisons + counts.moves + counts.reads) * count_);
    work = items;
    Tracker tracker(values_, count_, steps_);
    sorting::Sort(method, work, tracker);
}

std::span<const float> CodeTrack::ValuesAt(std::uint64_t k) const
{
    if (k == 0 || k > Steps()) return {};
    return std::span<const float>(values_).subspan(static_cast<std::size_t>(k - 1) * count_, count_);
}

}  // namespace race
