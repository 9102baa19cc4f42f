#pragma once

#include "sorting/sort_observer.h"

#include <string>
#include <vector>

namespace testing_support {

// Records a sort's exchanges and merges as "Swap(i, j)" and "Merge(lo, mid, hi)", and
// counts its comparisons.
struct RecordingObserver : sorting::IgnoresSteps {
    std::vector<std::string> steps;
    long comparisons = 0;

    void Compared(sorting::Index, sorting::Index) { ++comparisons; }
    void Swapped(sorting::Index i, sorting::Index j)
    {
        steps.push_back("Swap(" + std::to_string(i) + ", " + std::to_string(j) + ")");
    }
    void Merged(sorting::Index lo, sorting::Index mid, sorting::Index hi)
    {
        steps.push_back("Merge(" + std::to_string(lo) + ", " + std::to_string(mid) + ", " + std::to_string(hi) + ")");
    }
};

// Element 0 (always 0) followed by the items.
inline std::vector<float> WithElementZero(std::vector<float> items)
{
    items.insert(items.begin(), 0.0f);
    return items;
}

}  // namespace testing_support
