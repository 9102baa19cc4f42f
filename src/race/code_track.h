#pragma once

#include "sorting/sort_method.h"

#include <cstdint>
#include <span>
#include <vector>

namespace race {

// The values a method's variables have at each step of its sort, as the sort itself tells
// them: worked out for the method a class looks at closely, not kept for every method.
class CodeTrack {
public:
    CodeTrack(sorting::SortMethod method, const std::vector<float>& items);

    sorting::SortMethod Method() const { return method_; }
    // The variables' values at step k (from 1), in the order the method names them; NaN where
    // a variable has none then.
    std::span<const float> ValuesAt(std::uint64_t k) const;
    std::uint64_t Steps() const { return count_ == 0 ? steps_ : values_.size() / count_; }

private:
    sorting::SortMethod method_;
    std::size_t count_;
    std::uint64_t steps_ = 0;
    std::vector<float> values_;  // count_ values a step
};

}  // namespace race
