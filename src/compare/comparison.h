#pragma once

#include "compare/compare_options.h"
#include "platform/available_memory.h"
#include "sorting/counting_observer.h"
#include "sorting/sort_method.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace compare {

// One method on one initial order at one count.
struct Measurement {
    sorting::SortMethod method;
    sorting::InitialOrder order;
    std::int32_t count;
    double seconds;  // the best of the timed runs, the sort alone
    sorting::SortCounts counts;
    bool inOrder;
};

// Runs the methods over the initial orders and the counts: each method on the same items for
// each order and count, timed with nothing watching, then once more with counting. A method
// stops growing on an order after a count whose time exceeded the budget.
class Comparison {
public:
    using Clock = double (*)();
    using Progress = std::function<void(sorting::SortMethod method, sorting::InitialOrder order, std::int32_t count,
                                        double elapsed)>;

    Comparison(CompareOptions options, Clock clock);

    // Raises the out-of-memory error when the largest count cannot be held: its items, the
    // copy each run sorts, and the most any method needs beside them (merge sort's scratch
    // array, quick sort's waiting parts at their worst).
    void RequireMemory(const platform::MemoryGauge& memory) const;

    // `progress` hears of each run before it starts.
    std::vector<Measurement> Run(const Progress& progress = {});

private:
    Measurement Measure(sorting::SortMethod method, sorting::InitialOrder order, const std::vector<float>& items) const;

    CompareOptions options_;
    Clock clock_;
    double seed_;
};

}  // namespace compare
