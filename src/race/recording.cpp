#include "race/recording.h"

#include <algorithm>
#include <cmath>
#include <cstring>
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

void CodeNotes::Add(std::uint64_t step, int caller, std::span<const float> values)
{
    from_.push_back(static_cast<std::uint32_t>(step));
    callers_.push_back(static_cast<std::uint8_t>(caller));
    values_.insert(values_.end(), values.begin(), values.end());
}

std::size_t CodeNotes::NoteAt(std::uint64_t step) const
{
    const auto after = std::upper_bound(from_.begin(), from_.end(), step);
    return after == from_.begin() ? from_.size() : static_cast<std::size_t>(after - from_.begin()) - 1;
}

std::span<const float> CodeNotes::ValuesAt(std::uint64_t step) const
{
    const std::size_t note = NoteAt(step);
    if (note == from_.size()) return {};
    return std::span<const float>(values_).subspan(note * width_, width_);
}

int CodeNotes::CallerAt(std::uint64_t step) const
{
    const std::size_t note = NoteAt(step);
    return note == from_.size() ? 0 : callers_[note];
}

namespace {

// Hears every step of a sort and writes it down. It keeps its own copy of the items and of
// the scratch area, so that it knows what each move writes over.
class Recorder {
public:
    Recorder(Recording& recording, const std::vector<float>& items)
        : recording_(recording),
          items_(items),
          scratch_(sorting::ScratchEntries(sorting::NumItems(items))),
          values_(sorting::Facts(recording.method).code.variables.size(), NAN)
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
    template <typename Name, typename Variables>
    void Line(Name line, const Variables& variables)
    {
        line_ = static_cast<int>(line) + 1;
        const auto values = sorting::ValuesOf(variables);
        if (values_.size() == values.size() && std::memcmp(values_.data(), values.data(), sizeof values) == 0) return;
        values_.assign(values.begin(), values.end());
        noted_ = false;
    }
    template <typename Name>
    void Call(Name line)
    {
        caller_ = line == Name::End ? 0 : static_cast<int>(line) + 1;
        noted_ = false;
    }

private:
    void Add(Step::Kind kind, sorting::Index a, sorting::Index b)
    {
        if (!noted_) recording_.notes.Add(recording_.steps.size(), caller_, values_);
        noted_ = true;
        recording_.steps.emplace_back(kind, a, b, line_);
    }
    float& At(sorting::Index place)
    {
        return sorting::IsScratch(place) ? scratch_.at(static_cast<std::size_t>(sorting::ScratchEntry(place)))
                                         : items_[static_cast<std::size_t>(place)];
    }

    Recording& recording_;
    std::vector<float> items_;
    std::vector<float> scratch_;
    int line_ = 0;    // the line of the code the steps come from now, from 1
    int caller_ = 0;  // the line whose call that line carries out, from 1
    std::vector<float> values_;
    bool noted_ = false;  // whether the notes hold the values and caller now
};

}  // namespace

Recording Record(sorting::SortMethod method, const std::vector<float>& items)
{
    if (items.empty() || sorting::NumItems(items) > kMaxItems)
        throw std::invalid_argument("a race holds 1 to 2,000 items");
    Recording recording{method, items, {}, {}, {}, CodeNotes(sorting::Facts(method).code.variables.size())};
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
