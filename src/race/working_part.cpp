#include "race/working_part.h"

#include "race/code_variables.h"

namespace race {
namespace {

using sorting::SortMethod;
using Shade = WorkingPart::Shade;

template <typename Name>
bool At(const Replay& lane, Name line)
{
    return lane.Line() == static_cast<int>(line) + 1;
}

// The pivot of quick and median quick sort stands at hi until the partition's last exchange
// puts it after the items no greater than it, at i + 1.
template <typename Name>
std::optional<std::int32_t> PivotPlace(const Replay& lane, const CodeVariables& v, Name place)
{
    if (!v["pivot"] || !v["i"]) return std::nullopt;
    return At(lane, place) ? std::optional(*v["i"] + 1) : v["hi"];
}

// After the partition's last exchange, the pivot stands where it stays.
template <typename Name>
bool PivotDone(const Replay& lane, Name place)
{
    return At(lane, place) && lane.LastStep().kind == StepSeen::Kind::Put;
}

// The stretch of the array bucket b's items stand in, once they are written back: from the
// first of its items among those written so far, 1 to k, to the last.
std::optional<WorkingPart::Range> BucketStretch(const Replay& lane, const CodeVariables& v)
{
    const auto b = v["b"];
    const auto m = v.Exact("m");
    if (!b || !m || !(At(lane, sorting::bucket::Line::Gather) || At(lane, sorting::bucket::Line::Sort)))
        return std::nullopt;
    const std::vector<float>& items = lane.Items();
    const auto n = static_cast<sorting::Index>(items.size()) - 1;
    const std::int32_t written = v["k"].value_or(static_cast<std::int32_t>(n));
    std::optional<WorkingPart::Range> stretch;
    for (std::int32_t p = 1; p <= written; ++p)
        if (sorting::bucket::Of(items[static_cast<std::size_t>(p)], *m, n) == static_cast<std::uint32_t>(*b))
            stretch = WorkingPart::Range{stretch ? stretch->first : p, p, Shade::Working};
    return stretch;
}

}  // namespace

WorkingPart WorkingPartOf(const Replay& lane)
{
    WorkingPart part;
    const auto method = lane.Source().source.Method();
    if (!method || lane.Line() == 0) return part;
    const CodeVariables v(lane);
    const std::int32_t n = static_cast<std::int32_t>(lane.Items().size()) - 1;
    const auto shade = [&](std::optional<std::int32_t> first, std::optional<std::int32_t> last, Shade how) {
        if (first && last && *first <= *last) part.ranges.push_back({*first, *last, how});
    };
    // Every method has its case: a new one is asked for by the compiler.
    switch (*method) {
        case SortMethod::Selection:
        case SortMethod::Insertion:
            if (const auto i = v["i"]) shade(1, *i - 1, Shade::Sorted);
            break;
        case SortMethod::Bubble:
            if (const auto pass = v["pass"]) shade(n - *pass + 2, n, Shade::Sorted);
            break;
        case SortMethod::Merge:
        case SortMethod::NaturalMerge:
            shade(v["lo"], v["mid"], Shade::LeftRun);
            if (v["mid"]) shade(*v["mid"] + 1, v["hi"], Shade::RightRun);
            break;
        case SortMethod::Heap:
            shade(1, v["last"], Shade::Working);
            break;
        case SortMethod::Shell:
            if (v["i"] && v["h"] > 0)
                for (std::int32_t item = *v["i"]; item >= 1; item -= *v["h"]) shade(item, item, Shade::Working);
            break;
        case SortMethod::Quick:
            shade(v["lo"], v["hi"], Shade::Working);
            part.pivot = PivotPlace(lane, v, sorting::quick::Line::Place);
            part.pivotDone = PivotDone(lane, sorting::quick::Line::Place);
            break;
        case SortMethod::MedianQuick:
            shade(v["lo"], v["hi"], Shade::Working);
            part.pivot = PivotPlace(lane, v, sorting::median_quick::Line::Place);
            part.pivotDone = PivotDone(lane, sorting::median_quick::Line::Place);
            break;
        case SortMethod::ThreeWayQuick:
            shade(v["lo"], v["hi"], Shade::Working);
            part.pivot = v["lt"];  // the pivot's value stands at lt throughout
            break;
        case SortMethod::Intro:
            shade(v["lo"], v["hi"], Shade::Working);
            break;
        case SortMethod::Radix:
            part.byte = v["pass"];
            break;
        case SortMethod::Bucket:
            if (const auto stretch = BucketStretch(lane, v)) part.ranges.push_back(*stretch);
            break;
    }
    return part;
}

}  // namespace race
