#pragma once

#include "race/replay.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace race {

// A method's variables at a step, by their names in its code; none where one has no value.
class CodeVariables {
public:
    // At the lane's last step done.
    explicit CodeVariables(const Replay& lane);
    // At step `step` (from 0) of a recording.
    CodeVariables(const Recording& recording, std::uint64_t step);

    // As a place or a count.
    std::optional<std::int32_t> operator[](std::string_view name) const;
    // As the code had it, such as the largest item.
    std::optional<float> Exact(std::string_view name) const;

private:
    CodeVariables(std::vector<float> values, const script::LaneSource& source);

    std::vector<float> values_;
    std::span<const std::string_view> names_;
};

}  // namespace race
