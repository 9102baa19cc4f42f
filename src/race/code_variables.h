#pragma once

#include "race/replay.h"
#include "sorting/method_code.h"

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

    // As a place or a count; a variable is named by its field in its method's variables, so
    // that a name the code does not have does not compile.
    template <typename Variables>
    std::optional<std::int32_t> operator[](sorting::Value Variables::*field) const
    {
        return (*this)[NameOf(field)];
    }
    // As the code had it, such as the largest item.
    template <typename Variables>
    std::optional<float> Exact(sorting::Value Variables::*field) const
    {
        return Exact(NameOf(field));
    }
    // By the name the code gives it.
    std::optional<std::int32_t> operator[](std::string_view name) const;
    std::optional<float> Exact(std::string_view name) const;

private:
    template <typename Variables>
    static std::string_view NameOf(sorting::Value Variables::*field)
    {
        for (const auto& variable : VariablesOf(Variables{}))
            if (variable.field == field) return variable.name;
        return {};
    }

    CodeVariables(std::vector<float> values, const script::LaneSource& source);

    std::vector<float> values_;
    std::span<const std::string_view> names_;
};

}  // namespace race
