#include "compare/comparison.h"

#include "platform/format_number.h"
#include "platform/memory_check.h"
#include "platform/random_generator.h"
#include "platform/val.h"
#include "run/item_array.h"
#include "sorting/verify_order.h"

#include <algorithm>
#include <limits>

namespace compare {
namespace {

// Without a seed, one taken from the clock serves the whole comparison, so that every method
// still meets the same items at each count.
double ClockSeed()
{
    platform::RandomGenerator generator;
    generator.Randomize();
    return generator.Rnd() * 1e6;
}

}  // namespace

Comparison::Comparison(CompareOptions options, Clock clock)
    : options_(std::move(options)), clock_(clock), seed_(options_.seed ? platform::Val(*options_.seed) : ClockSeed())
{
}

std::vector<float> Comparison::ItemsFor(std::int32_t count) const
{
    platform::RandomGenerator generator;
    generator.FixSeed(seed_);
    run::ItemArray items = run::ItemArray::Allocate(count);
    items.FillFrom(generator);
    return std::move(items).TakeElements();
}

void Comparison::RequireMemory(const platform::MemoryGauge& memory) const
{
    if (options_.counts.empty()) return;
    const std::int32_t largest = options_.counts.back();
    const bool merge = std::find(options_.methods.begin(), options_.methods.end(), sorting::SortMethod::Merge) !=
                       options_.methods.end();
    const std::uint64_t bytes = 2 * run::ItemArray::Bytes(largest) + (merge ? sorting::MergeScratchBytes(largest) : 0);
    platform::RequireMemory(bytes, largest, memory, platform::RegionalNumberFormat());
}

Measurement Comparison::Measure(sorting::SortMethod method, const std::vector<float>& items) const
{
    Measurement result{
        method, static_cast<std::int32_t>(items.size() - 1), std::numeric_limits<double>::infinity(), {}, true};
    std::vector<float> work;
    for (int run = 0; run < options_.repeat; ++run) {
        work = items;
        sorting::NoObserver plain;
        const double start = clock_();
        sorting::Sort(method, work, plain);
        result.seconds = std::min(result.seconds, clock_() - start);
        result.inOrder = result.inOrder && !sorting::FirstOutOfOrder(work, 1);
    }
    // Counting runs apart, so that it never inflates a time.
    work = items;
    sorting::CountingObserver counter;
    sorting::Sort(method, work, counter);
    result.counts = counter.counts;
    result.inOrder = result.inOrder && !sorting::FirstOutOfOrder(work, 1);
    return result;
}

std::vector<Measurement> Comparison::Run(const Progress& progress)
{
    std::vector<Measurement> measurements;
    std::vector<bool> growing(options_.methods.size(), true);
    const double start = clock_();
    for (std::int32_t count : options_.counts) {
        if (std::none_of(growing.begin(), growing.end(), [](bool g) { return g; })) break;
        const std::vector<float> items = ItemsFor(count);
        for (std::size_t m = 0; m < options_.methods.size(); ++m) {
            if (!growing[m]) continue;
            if (progress) progress(options_.methods[m], count, clock_() - start);
            measurements.push_back(Measure(options_.methods[m], items));
            growing[m] = measurements.back().seconds <= options_.budgetSeconds;
        }
    }
    // Grouped by method, in the order asked for, each by count.
    std::stable_sort(measurements.begin(), measurements.end(), [this](const Measurement& a, const Measurement& b) {
        const auto position = [this](sorting::SortMethod method) {
            return std::find(options_.methods.begin(), options_.methods.end(), method) - options_.methods.begin();
        };
        return position(a.method) < position(b.method);
    });
    return measurements;
}

}  // namespace compare
