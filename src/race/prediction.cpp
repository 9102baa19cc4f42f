#include "race/prediction.h"

#include <algorithm>

namespace race {

bool Question::RightAbout(std::vector<std::int32_t> chosen) const
{
    std::vector<std::int32_t> right = answer;
    std::sort(chosen.begin(), chosen.end());
    std::sort(right.begin(), right.end());
    return chosen == right;
}

namespace {

// The steps from the exchange's first move at `first` to its last, the move that puts the
// held item down.
std::uint64_t ExchangeLength(const std::vector<Step>& steps, std::uint64_t first)
{
    std::uint64_t last = first;
    while (steps[last].What() != Step::Kind::Put) ++last;
    return last - first + 1;
}

}  // namespace

std::optional<Question> NextQuestion(const Replay& lane)
{
    const std::vector<Step>& steps = lane.Source().steps;
    for (std::uint64_t k = lane.StepsDone(); k < steps.size(); ++k) {
        const Step& step = steps[k];
        const auto a = static_cast<std::int32_t>(step.A()), b = static_cast<std::int32_t>(step.B());
        if (step.What() == Step::Kind::Hold && a != b)
            return Question{Question::Kind::Exchange, k + 1, {a, b}, ExchangeLength(steps, k)};
        if (step.What() == Step::Kind::Move && !sorting::IsScratch(b))
            return Question{Question::Kind::Write, k + 1, {b}, 1};
    }
    return std::nullopt;
}

}  // namespace race
