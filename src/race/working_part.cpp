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
template <typename Name, typename Variables>
std::optional<std::int32_t> PivotPlace(const Replay& lane, const CodeVariables& v, Name place, Variables)
{
    if (!v[&Variables::pivot] || !v[&Variables::i]) return std::nullopt;
    return At(lane, place) ? std::optional(*v[&Variables::i] + 1) : v[&Variables::hi];
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
    using sorting::bucket::Variables;
    const auto b = v[&Variables::b];
    const auto m = v.Exact(&Variables::m);
    if (!b || !m || !(At(lane, sorting::bucket::Line::Gather) || At(lane, sorting::bucket::Line::Sort)))
        return std::nullopt;
    const std::vector<float>& items = lane.Items();
    const auto n = static_cast<sorting::Index>(items.size()) - 1;
    const std::int32_t written = v[&Variables::k].value_or(static_cast<std::int32_t>(n));
    std::optional<WorkingPart::Range> stretch;
    for (std::int32_t p = 1; p <= written; ++p)
        if (sorting::bucket::Of(items[static_cast<std::size_t>(p)], *m, n) == static_cast<std::uint32_t>(*b))
            stretch = WorkingPart::Range{stretch ? stretch->first : p, p, Shade::Working};
    return stretch;
}

// The two runs a merge sort merges: lo to mid, and after mid to hi.
template <typename Variables, typename Shading>
void Runs(const CodeVariables& v, const Shading& shade)
{
    const auto mid = v[&Variables::mid];
    shade(v[&Variables::lo], mid, Shade::LeftRun);
    if (mid) shade(*mid + 1, v[&Variables::hi], Shade::RightRun);
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
            if (const auto i = v[&sorting::selection::Variables::i]) shade(1, *i - 1, Shade::Sorted);
            break;
        case SortMethod::Insertion:
            if (const auto i = v[&sorting::insertion::Variables::i]) shade(1, *i - 1, Shade::Sorted);
            break;
        case SortMethod::Bubble:
            if (const auto pass = v[&sorting::bubble::Variables::pass]) shade(n - *pass + 2, n, Shade::Sorted);
            break;
        case SortMethod::Merge:
            Runs<sorting::merge::Variables>(v, shade);
            break;
        case SortMethod::NaturalMerge:
            Runs<sorting::natural_merge::Variables>(v, shade);
            break;
        case SortMethod::Heap:
            shade(1, v[&sorting::heap::Variables::last], Shade::Working);
            break;
        case SortMethod::Shell: {
            using sorting::shell::Variables;
            const auto i = v[&Variables::i], h = v[&Variables::h];
            if (i && h > 0)
                for (std::int32_t item = *i; item >= 1; item -= *h) shade(item, item, Shade::Working);
            break;
        }
        case SortMethod::Quick:
            shade(v[&sorting::quick::Variables::lo], v[&sorting::quick::Variables::hi], Shade::Working);
            part.pivot = PivotPlace(lane, v, sorting::quick::Line::Place, sorting::quick::Variables{});
            part.pivotDone = PivotDone(lane, sorting::quick::Line::Place);
            break;
        case SortMethod::MedianQuick:
            shade(v[&sorting::median_quick::Variables::lo], v[&sorting::median_quick::Variables::hi], Shade::Working);
            part.pivot = PivotPlace(lane, v, sorting::median_quick::Line::Place, sorting::median_quick::Variables{});
            part.pivotDone = PivotDone(lane, sorting::median_quick::Line::Place);
            break;
        case SortMethod::ThreeWayQuick: {
            using sorting::three_way_quick::Variables;
            shade(v[&Variables::lo], v[&Variables::hi], Shade::Working);
            part.pivot = v[&Variables::lt];  // the pivot's value stands at lt throughout
            break;
        }
        case SortMethod::Intro:
            shade(v[&sorting::intro::Variables::lo], v[&sorting::intro::Variables::hi], Shade::Working);
            break;
        case SortMethod::Radix:
            part.byte = v[&sorting::radix::Variables::pass];
            break;
        case SortMethod::Bucket:
            if (const auto stretch = BucketStretch(lane, v)) part.ranges.push_back(*stretch);
            break;
    }
    return part;
}

}  // namespace race
