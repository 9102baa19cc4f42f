#include "race/recording.h"

#include <bit>
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

namespace {

constexpr std::uint8_t kFirst = 0x80;  // a change that begins a note

bool Same(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }  // NaN too

}  // namespace

CodeNotes::CodeNotes(std::size_t variables) : width_(variables + 1), last_(variables, NAN) { last_.push_back(0); }

void CodeNotes::Add(std::uint64_t step, int caller, std::span<const float> values)
{
    const auto value = [&](std::size_t v) { return v < values.size() ? values[v] : static_cast<float>(caller); };
    std::size_t v = 0;
    while (v < width_ && Same(value(v), last_[v])) ++v;
    if (v == width_) return;
    if (notes_ % kEvery == 0) {
        fromChange_.push_back(static_cast<std::uint32_t>(which_.size()));
        fromValues_.insert(fromValues_.end(), last_.begin(), last_.end());
    }
    for (std::uint8_t first = kFirst; v < width_; ++v) {
        if (Same(value(v), last_[v])) continue;
        which_.push_back(static_cast<std::uint8_t>(v) | first);
        to_.push_back(last_[v] = value(v));
        first = 0;
    }
    const std::size_t word = static_cast<std::size_t>(step / 64);
    while (begins_.size() <= word) {
        begins_.push_back(0);
        before_.push_back(static_cast<std::uint32_t>(notes_));
    }
    begins_[word] |= std::uint64_t{1} << (step % 64);
    ++notes_;
}

void CodeNotes::Fit()
{
    begins_.shrink_to_fit();
    before_.shrink_to_fit();
    which_.shrink_to_fit();
    to_.shrink_to_fit();
    fromChange_.shrink_to_fit();
    fromValues_.shrink_to_fit();
}

std::uint64_t CodeNotes::NotesUpTo(std::uint64_t step) const
{
    const std::size_t word = static_cast<std::size_t>(step / 64);
    if (word >= begins_.size()) return notes_;
    const std::uint64_t upTo = begins_[word] & (~std::uint64_t{0} >> (63 - step % 64));
    return before_[word] + static_cast<std::uint64_t>(std::popcount(upTo));
}

CodeNotes::Note CodeNotes::At(std::uint64_t step) const
{
    const std::uint64_t notes = NotesUpTo(step);
    if (notes == 0) return {};
    const std::size_t from = static_cast<std::size_t>((notes - 1) / kEvery);
    std::vector<float> values(fromValues_.begin() + std::ptrdiff_t(from * width_),
                              fromValues_.begin() + std::ptrdiff_t((from + 1) * width_));
    std::uint64_t toApply = notes - from * kEvery;
    for (std::size_t c = fromChange_[from]; c < which_.size(); ++c) {
        if ((which_[c] & kFirst) && toApply-- == 0) break;
        values[which_[c] & ~kFirst] = to_[c];
    }
    const int caller = static_cast<int>(values.back());
    values.pop_back();
    return {std::move(values), caller};
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
        values_.assign(values.begin(), values.end());
    }
    template <typename Name>
    void Call(Name line)
    {
        caller_ = line == Name::End ? 0 : static_cast<int>(line) + 1;
    }

private:
    void Add(Step::Kind kind, sorting::Index a, sorting::Index b)
    {
        recording_.notes.Add(recording_.steps.size(), caller_, values_);
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
    std::vector<float> values_;  // the code's variables now
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
    recording.notes.Fit();
    return recording;
}

}  // namespace race
