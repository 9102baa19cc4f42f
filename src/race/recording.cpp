#include "race/recording.h"

#include <stdexcept>

namespace race {

static_assert(kMaxItems < 2048, "every element and every scratch entry has a 12-bit code");

Step::Step(Kind kind, sorting::Index a, sorting::Index b, int line)
    : bits_(static_cast<std::uint32_t>(kind) | Code(a) << kAShift | Code(b) << kBShift |
            static_cast<std::uint32_t>(line & 15) << kLineShift)
{
}

std::uint32_t Step::Code(sorting::Index place)
{
    constexpr sorting::Index kScratch = sorting::Index{1} << (kPlaceBits - 1);
    return static_cast<std::uint32_t>(sorting::IsScratch(place) ? kScratch + sorting::ScratchEntry(place) : place);
}

sorting::Index Step::Place(std::uint32_t code)
{
    constexpr std::uint32_t kScratch = 1u << (kPlaceBits - 1);
    code &= (1u << kPlaceBits) - 1;
    return code < kScratch ? sorting::Index{code} : sorting::ScratchPlace(code - kScratch);
}

namespace {

// Hears every step of a sort and writes it down. It keeps its own copy of the items and of
// the scratch area, so that it knows what each move writes over.
class Recorder {
public:
    Recorder(Recording& recording, const std::vector<float>& items)
        : recording_(recording), items_(items), scratch_(items.size())
    {
    }

    void Compared(sorting::Index a, sorting::Index b) { Add(Step::Kind::Compare, a, b); }
    void Swapped(sorting::Index i, sorting::Index j)
    {
        Add(Step::Kind::Hold, i, j);
        Add(Step::Kind::Shift, i, j);
        Add(Step::Kind::Put, i, j);
        std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
    }
    void Moved(sorting::Index from, sorting::Index to)
    {
        Add(Step::Kind::Move, from, to);
        recording_.replaced.push_back(At(to));
        At(to) = At(from);
    }
    void Merged(sorting::Index, sorting::Index, sorting::Index) { recording_.steps.back().MarkEndOfMerge(); }
    void Read(sorting::Index i) { Add(Step::Kind::Read, i, i); }
    template <typename... Values>
    void Line(int line, Values...)
    {
        line_ = line;
    }

private:
    void Add(Step::Kind kind, sorting::Index a, sorting::Index b) { recording_.steps.emplace_back(kind, a, b, line_); }
    float& At(sorting::Index place)
    {
        return sorting::IsScratch(place) ? scratch_.at(static_cast<std::size_t>(sorting::ScratchEntry(place)))
                                         : items_[static_cast<std::size_t>(place)];
    }

    Recording& recording_;
    std::vector<float> items_;
    std::vector<float> scratch_;
    int line_ = 0;  // the line of the code the steps come from now
};

}  // namespace

Recording Record(sorting::SortMethod method, const std::vector<float>& items)
{
    if (items.empty() || sorting::NumItems(items) > kMaxItems)
        throw std::invalid_argument("a race holds 1 to 2,000 items");
    Recording recording{method, items, {}, {}, {}};
    // Counted first, so that the steps are written into room made once, not grown.
    std::vector<float> work = items;
    sorting::CountingObserver counter;
    sorting::Sort(method, work, counter);
    recording.totals = counter.counts;
    const sorting::SortCounts& counts = counter.counts;
    recording.steps.reserve(static_cast<std::size_t>(counts.comparisons + counts.moves + counts.reads));
    recording.replaced.reserve(static_cast<std::size_t>(counts.moves - 3 * counts.exchanges));
    work = items;
    Recorder recorder(recording, items);
    sorting::Sort(method, work, recorder);
    return recording;
}

}  // namespace race
