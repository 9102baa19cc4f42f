#include "race/code_variables.h"

#include <cmath>

namespace race {

// A script's variables are its own: it has none of these names.
CodeVariables::CodeVariables(std::vector<float> values, const script::LaneSource& source)
    : values_(std::move(values))
{
    if (const auto method = source.Method()) names_ = sorting::Facts(*method).code.variables;
}

CodeVariables::CodeVariables(const Replay& lane) : CodeVariables(lane.Code().values, lane.Source().source) {}

CodeVariables::CodeVariables(const Recording& recording, std::uint64_t step)
    : CodeVariables(recording.notes.At(step).values, recording.source)
{
}

std::optional<float> CodeVariables::Exact(std::string_view name) const
{
    for (std::size_t v = 0; v < names_.size() && v < values_.size(); ++v)
        if (names_[v] == name && !std::isnan(values_[v])) return values_[v];
    return std::nullopt;
}

std::optional<std::int32_t> CodeVariables::operator[](std::string_view name) const
{
    const auto value = Exact(name);
    return value ? std::optional(static_cast<std::int32_t>(*value)) : std::nullopt;
}

}  // namespace race
