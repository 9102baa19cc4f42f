#include "race/recording.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace race {

static_assert(kMaxItems < 2048, "every element and every scratch entry has a 12-bit code");
static_assert(std::ranges::all_of(sorting::kMethodFacts,
                                  [](const auto& facts) { return facts.code.variables.size() <= kMostVariables; }),
              "the notes have room for every method's variables");
static_assert(std::ranges::all_of(sorting::kMethodFacts,
                                  [](const auto& facts) { return facts.code.lines.size() <= Step::kMostLines; }),
              "a step names every line of every method's code");

namespace {

constexpr std::uint8_t kFirst = 0x80;  // a change that begins a note
constexpr std::uint8_t kWide = 0x40;   // its value in four bytes, as a float; else two, a whole number
constexpr std::uint8_t kVariable = 0x3f;

bool Same(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }  // NaN too

// A change as bytes: which variable (and whether it begins a note), then its value, in two bytes
// where it is a whole number that fits, as the places and counts of the code mostly are.
void Append(std::vector<std::uint8_t>& changes, std::uint8_t which, float value)
{
    const bool small = value >= -32768.0f && value <= 32767.0f && Same(float(std::int16_t(value)), value);
    changes.push_back(which | (small ? 0 : kWide));
    std::uint8_t bytes[4];
    if (small) {
        const auto whole = static_cast<std::int16_t>(value);
        std::memcpy(bytes, &whole, 2);
    } else {
        std::memcpy(bytes, &value, 4);
    }
    changes.insert(changes.end(), bytes, bytes + (small ? 2 : 4));
}

// The value of the change whose first byte is at `at`; `at` then stands at the next change.
float Value(const std::vector<std::uint8_t>& changes, std::size_t& at)
{
    const bool wide = changes[at] & kWide;
    const std::uint8_t* bytes = changes.data() + at + 1;
    at += wide ? 5 : 3;
    if (wide) return std::bit_cast<float>(std::array{bytes[0], bytes[1], bytes[2], bytes[3]});
    return std::bit_cast<std::int16_t>(std::array{bytes[0], bytes[1]});
}

}  // namespace

CodeNotes::CodeNotes(std::size_t variables) : width_(variables + 1), last_(variables, NAN) { last_.push_back(0); }

void CodeNotes::Add(std::uint64_t step, int caller, const Values& values)
{
    std::array<float, kMostVariables + 1> now;
    std::copy_n(values.begin(), kMostVariables, now.begin());
    now[width_ - 1] = static_cast<float>(caller);
    const bool fromHere = notes_ % kEvery == 0;
    if (fromHere) {
        fromChange_.push_back(changes_.size());
        fromValues_.insert(fromValues_.end(), last_.begin(), last_.end());
    }
    const std::size_t begun = changes_.size();
    for (std::size_t v = 0; v < width_; ++v) {
        if (Same(now[v], last_[v])) continue;
        Append(changes_, static_cast<std::uint8_t>(v) | (changes_.size() == begun ? kFirst : 0), last_[v] = now[v]);
    }
    if (changes_.size() == begun) {  // nothing changed after all: no note
        if (fromHere) fromChange_.pop_back(), fromValues_.resize(fromValues_.size() - width_);
        return;
    }
    const std::size_t word = static_cast<std::size_t>(step / 64);
    while (begins_.size() <= word) {
        begins_.push_back(0);
        before_.push_back(static_cast<std::uint32_t>(notes_));
    }
    begins_[word] |= std::uint64_t{1} << (step % 64);
    ++notes_;
}

void CodeNotes::Reserve(std::uint64_t steps, std::uint64_t changes)
{
    begins_.reserve(static_cast<std::size_t>(steps / 64 + 1));
    before_.reserve(static_cast<std::size_t>(steps / 64 + 1));
    changes_.reserve(static_cast<std::size_t>(3 * changes));
}

// Only where the room made was well over what was used: giving it back copies.
void CodeNotes::Fit()
{
    const auto fit = [](auto& values) {
        if (values.capacity() > values.size() + values.size() / 4) values.shrink_to_fit();
    };
    fit(changes_);
    fit(fromChange_);
    fit(fromValues_);
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
    for (std::size_t at = fromChange_[from]; at < changes_.size();) {
        const std::uint8_t which = changes_[at];
        if ((which & kFirst) && toApply-- == 0) break;
        values[which & kVariable] = Value(changes_, at);
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
        : recording_(recording), items_(items), scratch_(sorting::ScratchEntries(sorting::NumItems(items)))
    {
        values_.fill(NAN);
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
    void PassEnded(std::span<const float>) { recording_.passEnds.push_back(recording_.steps.size()); }
    template <typename Name, typename Variables>
    void Line(Name line, const Variables& variables)
    {
        line_ = static_cast<int>(line) + 1;
        const auto values = sorting::ValuesOf(variables);
        static_assert(values.size() <= kMostVariables);
        // Compared bit by bit, so that a variable with no value, NaN, is the same as before.
        if (std::memcmp(values_.data(), values.data(), sizeof values) == 0) return;
        std::memcpy(values_.data(), values.data(), sizeof values);
        changed_ = true;
    }
    template <typename Name>
    void Call(Name line)
    {
        caller_ = line == Name::End ? 0 : static_cast<int>(line) + 1;
        changed_ = true;
    }

private:
    void Add(Step::Kind kind, sorting::Index a, sorting::Index b)
    {
        if (changed_) recording_.notes.Add(recording_.steps.size(), caller_, values_);
        changed_ = false;
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
    int line_ = 0;              // the line of the code the steps come from now, from 1
    int caller_ = 0;            // the line whose call that line carries out, from 1
    CodeNotes::Values values_;  // the code's variables now
    bool changed_ = false;      // since the last step: the values or the caller
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
    // The variables change at about every comparison and read (two of them now and then), and
    // where a merge begins.
    const std::uint64_t changes = counts.comparisons + counts.reads;
    recording.notes.Reserve(recording.steps.capacity(), changes + changes / 4 + 4 * counts.merges + 64);
    work = items;
    Recorder recorder(recording, items);
    sorting::Sort(method, work, recorder);
    recording.notes.Fit();
    return recording;
}

}  // namespace race
