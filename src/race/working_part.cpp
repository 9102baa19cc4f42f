#include "race/working_part.h"

#include <cmath>
#include <string_view>

namespace race {
namespace {

using sorting::SortMethod;
using Shade = WorkingPart::Shade;

// The method's variables now, by their names in its code; none where one has no value.
class Variables {
public:
    explicit Variables(const Replay& lane)
        : values_(lane.Code().values), names_(sorting::Facts(lane.Source().method).code.variables)
    {
    }

    std::optional<std::int32_t> operator[](std::string_view name) const
    {
        for (std::size_t v = 0; v < names_.size() && v < values_.size(); ++v)
            if (names_[v] == name && !std::isnan(values_[v])) return static_cast<std::int32_t>(values_[v]);
        return std::nullopt;
    }

private:
    std::vector<float> values_;
    std::span<const std::string_view> names_;
};

template <typename Name>
bool At(const Replay& lane, Name line)
{
    return lane.Line() == static_cast<int>(line) + 1;
}

// The pivot of quick and median quick sort stands at hi until the partition's last exchange
// puts it after the items no greater than it, at i + 1.
template <typename Name>
std::optional<std::int32_t> PivotPlace(const Replay& lane, const Variables& v, Name place)
{
    if (!v["pivot"] || !v["i"]) return std::nullopt;
    return At(lane, place) ? std::optional(*v["i"] + 1) : v["hi"];
}

}  // namespace

WorkingPart WorkingPartOf(const Replay& lane)
{
    WorkingPart part;
    if (lane.Line() == 0) return part;
    const Variables v(lane);
    const std::int32_t n = static_cast<std::int32_t>(lane.Items().size()) - 1;
    const auto shade = [&](std::optional<std::int32_t> first, std::optional<std::int32_t> last, Shade how) {
        if (first && last && *first <= *last) part.ranges.push_back({*first, *last, how});
    };
    // Every method has its case: a new one is asked for by the compiler.
    switch (lane.Source().method) {
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
            break;
        case SortMethod::MedianQuick:
            shade(v["lo"], v["hi"], Shade::Working);
            part.pivot = PivotPlace(lane, v, sorting::median_quick::Line::Place);
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
            break;
    }
    return part;
}

}  // namespace race
