#pragma once

#include "sorting/initial_order.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace sorting {

// How a method's work grows with the count n on one initial order, as the textbook says it:
// n^power times (log2 n)^logs. An estimate of a run's time fits only the constant.
struct Growth {
    double power;
    int logs;
    std::string_view name;  // as a chart labels its reference line: "n log n"

    double At(double n) const
    {
        const double logarithm = std::log2(std::max(n, 2.0));
        return std::pow(n, power) * (logs ? std::pow(logarithm, logs) : 1.0);
    }
};

inline constexpr Growth kLinear{1, 0, "n"}, kLinearithmic{1, 1, "n log n"}, kQuadratic{2, 0, "n²"};
// In between: Shell sort with Knuth's gaps on the average, and three-way quick sort with its
// first item as pivot on items nearly in order (measured, and so written in its row).
inline constexpr Growth kShellGrowth{1.25, 0, "n^1.25"}, kThreeHalves{1.5, 0, "n^1.5"};

// A method's growth on each initial order, in the order of kInitialOrders.
using GrowthByOrder = std::array<Growth, kInitialOrders.size()>;

constexpr GrowthByOrder Everywhere(Growth growth) { return {growth, growth, growth, growth, growth}; }

}  // namespace sorting
