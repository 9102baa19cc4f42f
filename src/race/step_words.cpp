#include "race/step_words.h"

namespace race {
namespace {

// Insertion sort's test at the first place reads element 0, which is no item.
std::string Pair(std::int32_t first, std::int32_t second)
{
    if (first != 0 && second != 0) return "items " + std::to_string(first) + " and " + std::to_string(second);
    const auto name = [](std::int32_t i) { return i == 0 ? std::string("element 0") : "item " + std::to_string(i); };
    return name(first) + " and " + name(second);
}

}  // namespace

std::string StepInWords(const StepSeen& step, sorting::SortMethod method)
{
    const std::string merge = sorting::Facts(method).merges ? "merge " : "";
    switch (step.kind) {
        case StepSeen::Kind::None:
            return "";
        case StepSeen::Kind::Compared:
            return merge + "compares " + Pair(step.first, step.second);
        case StepSeen::Kind::Exchanged:
            return "exchanges " + std::to_string(step.first) + " and " + std::to_string(step.second);
        case StepSeen::Kind::CopiedOut:
            return "merge copies item " + std::to_string(step.first) + " out";
        case StepSeen::Kind::Written:
            return "merge writes item " + std::to_string(step.first);
    }
    return "";
}

}  // namespace race
