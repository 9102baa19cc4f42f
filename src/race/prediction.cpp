#include "race/prediction.h"

#include "race/code_variables.h"

#include <algorithm>

namespace race {
namespace {

using sorting::SortMethod;
using Kind = Question::Kind;
using What = Step::Kind;
using Steps = std::vector<Step>;

template <typename Name>
bool On(const Step& step, What what, Name line)
{
    return step.What() == what && step.Line() == static_cast<int>(line) + 1;
}

bool Is(const Steps& steps, std::uint64_t k, What what) { return k < steps.size() && steps[k].What() == what; }

std::int32_t Place(sorting::Index place) { return static_cast<std::int32_t>(place); }

// A comparison of two items, and whether they are then exchanged.
Question Exchanged(const Steps& steps, std::uint64_t k)
{
    const bool yes = Is(steps, k + 1, What::Hold);
    const auto [low, high] = std::minmax({Place(steps[k].A()), Place(steps[k].B())});
    return {Kind::Exchanged, k + 1, 1 + (yes ? kExchangeSteps : 0), {low, high}, {yes ? Question::kYes : Question::kNo}};
}

// An item's first comparison, after the last one of the item before: it moves down by an
// exchange after each comparison but the last.
std::optional<Question> Lands(const Steps& steps, std::uint64_t k)
{
    if (k > 0 && steps[k - 1].What() != What::Compare) return std::nullopt;
    sorting::Index place = steps[k].B();
    std::uint64_t last = k;
    for (; Is(steps, last + 1, What::Hold) && last + 1 + kExchangeSteps < steps.size(); last += 1 + kExchangeSteps)
        place = steps[last].A();
    return Question{Kind::Lands, k + 1, last - k + 1, {Place(steps[k].B())}, {place}};
}

// A scan's first comparison, after the exchange that ended the scan before; the scan ends
// with the exchange of the smallest with the place it is for.
std::optional<Question> Smallest(const Steps& steps, std::uint64_t k)
{
    if (k > 0 && steps[k - 1].What() != What::Put) return std::nullopt;
    std::uint64_t hold = k;
    while (hold < steps.size() && steps[hold].What() != What::Hold) ++hold;
    if (hold == steps.size()) return std::nullopt;
    return Question{Kind::Smallest, k + 1, hold - k + kExchangeSteps, {Place(steps[hold].B())}, {steps[hold].A()}};
}

// A comparison of two copies, and the write of the smaller back into the array.
std::optional<Question> WrittenNext(const Steps& steps, std::uint64_t k)
{
    if (steps[k].A() == steps[k].B() || !Is(steps, k + 1, What::Move) || sorting::IsScratch(steps[k + 1].B()))
        return std::nullopt;
    return Question{Kind::WrittenNext, k + 1, 2, {Place(steps[k + 1].B())}, {steps[k + 1].A()}};
}

// A comparison followed by an exchange of two different items, unless the step before marks
// the same two.
std::optional<Question> ExchangedNext(const Steps& steps, std::uint64_t k)
{
    if (!Is(steps, k + 1, What::Hold) || steps[k + 1].A() == steps[k + 1].B()) return std::nullopt;
    const auto [low, high] = std::minmax({Place(steps[k + 1].A()), Place(steps[k + 1].B())});
    if (k > 0 && std::minmax({Place(steps[k - 1].A()), Place(steps[k - 1].B())}) == std::pair(low, high))
        return std::nullopt;
    return Question{Kind::ExchangedNext, k + 1, 1 + kExchangeSteps, {}, {low, high}};
}

// A partition's first comparison, of item lo with the pivot at hi, asks where the pivot lands,
// by the partition's last exchange; a comparison within it, which two it exchanges next. A
// partition's steps are its comparisons with the pivot and its exchanges.
template <typename Line>
std::optional<Question> QuickDecision(const Steps& steps, std::uint64_t k)
{
    if (!On(steps[k], What::Compare, Line::Compare)) return std::nullopt;
    const sorting::Index hi = steps[k].B();
    const auto within = [&](std::uint64_t m) {
        return (On(steps[m], What::Compare, Line::Compare) && steps[m].B() == hi) ||
               On(steps[m], steps[m].What(), Line::Exchange);
    };
    if (k > 0 && within(k - 1)) {
        if (!Is(steps, k + 1, What::Hold) || !On(steps[k + 1], What::Hold, Line::Exchange)) return std::nullopt;
        return ExchangedNext(steps, k);
    }
    // The pivot stays at hi where every other item is no greater, and no last exchange comes.
    std::uint64_t end = k;
    while (end < steps.size() && within(end)) ++end;
    const bool placed = end < steps.size() && On(steps[end], What::Hold, Line::Place);
    return Question{Kind::PivotLands, k + 1, 1, {Place(hi)}, {placed ? steps[end].A() : hi}};
}

// The comparison of an item's two children, then of the item with the larger, then the
// exchange that sinks it.
std::optional<Question> SinksTo(const Steps& steps, std::uint64_t k)
{
    using sorting::heap::Line;
    if (!On(steps[k], What::Compare, Line::Child) || k + 2 >= steps.size() ||
        !On(steps[k + 1], What::Compare, Line::Test) || !On(steps[k + 2], What::Hold, Line::Exchange))
        return std::nullopt;
    return Question{Kind::SinksTo, k + 1, 2 + kExchangeSteps, {Place(steps[k + 1].A())}, {steps[k + 2].B()}};
}

// Item i compared with the pivot's value at lt: exchanged to the front where less; compared
// again, and exchanged to the back where greater. The answer is the comparison's, from the
// items as they stand when it is asked.
Question Side(const Steps& steps, std::uint64_t k)
{
    using sorting::three_way_quick::Line;
    const bool less = Is(steps, k + 1, What::Hold);
    const bool greater = !less && k + 2 < steps.size() && On(steps[k + 2], What::Hold, Line::Greater);
    // Less: the comparison and the exchange; otherwise two comparisons, and the exchange where greater.
    const std::uint64_t length = less ? 1 + kExchangeSteps : greater ? 2 + kExchangeSteps : 2;
    return {Kind::Side, k + 1, length, {Place(steps[k].A()), Place(steps[k].B())}, {}};
}

std::optional<Question> Decision(const Recording& recording, std::uint64_t k)
{
    const auto method = recording.source.Method();
    if (!method) return std::nullopt;  // a student's sort: its decisions are its own
    const Steps& steps = recording.steps;
    const Step& step = steps[k];
    const auto when = [&](bool asked, auto question) -> std::optional<Question> {
        return asked ? std::optional<Question>(question()) : std::nullopt;
    };
    // Every method has its case: a new one is asked for by the compiler.
    switch (*method) {
        case SortMethod::Bubble:
            return when(On(step, What::Compare, sorting::bubble::Line::Compare), [&] { return Exchanged(steps, k); });
        case SortMethod::Shell:
            return when(On(step, What::Compare, sorting::shell::Line::Compare), [&] { return Exchanged(steps, k); });
        case SortMethod::Insertion:
            return On(step, What::Compare, sorting::insertion::Line::Compare) ? Lands(steps, k) : std::nullopt;
        case SortMethod::Selection:
            return On(step, What::Compare, sorting::selection::Line::Compare) ? Smallest(steps, k) : std::nullopt;
        case SortMethod::Merge:
            return On(step, What::Compare, sorting::merge::Line::Compare) ? WrittenNext(steps, k) : std::nullopt;
        case SortMethod::NaturalMerge:
            return On(step, What::Compare, sorting::natural_merge::Line::Compare) ? WrittenNext(steps, k)
                                                                                  : std::nullopt;
        case SortMethod::Quick:
            return QuickDecision<sorting::quick::Line>(steps, k);
        case SortMethod::MedianQuick:
            return QuickDecision<sorting::median_quick::Line>(steps, k);
        case SortMethod::Intro:
            return step.What() == What::Compare ? ExchangedNext(steps, k) : std::nullopt;
        case SortMethod::Heap:
            return SinksTo(steps, k);
        case SortMethod::ThreeWayQuick:
            return when(On(step, What::Compare, sorting::three_way_quick::Line::Less), [&] { return Side(steps, k); });
        case SortMethod::Radix:
            return when(On(step, What::Move, sorting::radix::Line::Move), [&] {
                return Question{Kind::GoesTo, k + 1, 1, {Place(step.A())}, {sorting::ScratchEntry(step.B())}};
            });
        case SortMethod::Bucket:
            return when(On(step, What::Move, sorting::bucket::Line::Scatter), [&] {
                const auto bucket = CodeVariables(recording, k)[&sorting::bucket::Variables::b];
                return Question{Kind::Bucket, k + 1, 1, {Place(step.A())}, {bucket.value_or(0)}};
            });
    }
    return std::nullopt;
}

}  // namespace

Question::Form Question::HowAnswered() const { return kQuestionKinds[static_cast<std::size_t>(kind)].form; }

bool Question::RightAbout(std::vector<sorting::Index> chosen, const Replay& lane) const
{
    const Form form = HowAnswered();
    if (form == Form::Value) return chosen.size() == 1 && lane.ValueAt(chosen[0]) == lane.ValueAt(answer[0]);
    // Radix sort's places in its pass are its scratch entries, in the strip or at the bars above.
    if (form == Form::Place || form == Form::TwoPlaces)
        for (sorting::Index& place : chosen)
            if (sorting::IsScratch(place)) place = sorting::ScratchEntry(place);
    std::vector<sorting::Index> right = answer;
    std::sort(chosen.begin(), chosen.end());
    std::sort(right.begin(), right.end());
    return chosen == right;
}

std::optional<std::uint64_t> NextAsked(const Replay& lane)
{
    const Recording& recording = lane.Source();
    for (std::uint64_t k = lane.StepsDone(); k < recording.steps.size(); ++k)
        if (Decision(recording, k)) return k + 1;
    return std::nullopt;
}

std::optional<Question> AskNow(const Replay& lane)
{
    if (lane.Finished()) return std::nullopt;
    auto question = Decision(lane.Source(), lane.StepsDone());
    if (question && question->kind == Kind::Side) {
        const float item = lane.ValueAt(question->about[0]), pivot = lane.ValueAt(question->about[1]);
        question->answer = {item < pivot ? Question::kLess : pivot < item ? Question::kGreater : Question::kEqual};
    }
    return question;
}

}  // namespace race
