#include "compare/comparison.h"

#include "platform/format_number.h"
#include "platform/memory_check.h"
#include "platform/random_generator.h"
#include "platform/val.h"
#include "run/item_array.h"
#include "sorting/initial_order.h"
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

void Comparison::RequireMemory(const platform::MemoryGauge& memory) const
{
    if (options_.counts.empty()) return;
    const std::int32_t largest = options_.counts.back();
    std::uint64_t extra = 0;
    for (sorting::SortMethod method : options_.methods) extra = std::max(extra, sorting::ExtraBytes(method, largest));
    const std::uint64_t bytes = 2 * run::ItemArray::Bytes(largest) + extra;
    platform::RequireMemory(bytes, largest, memory, platform::RegionalNumberFormat());
}

Measurement Comparison::Measure(sorting::SortMethod method, sorting::InitialOrder order,
                                const std::vector<float>& items) const
{
    Measurement result{
        method, order, static_cast<std::int32_t>(items.size() - 1), std::numeric_limits<double>::infinity(), {}, true};
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
    const std::size_t methods = options_.methods.size();
    // Whether each method still grows on each order.
    std::vector<bool> growing(methods * options_.orders.size(), true);
    const double start = clock_();
    for (std::int32_t count : options_.counts) {
        if (std::none_of(growing.begin(), growing.end(), [](bool g) { return g; })) break;
        for (std::size_t o = 0; o < options_.orders.size(); ++o) {
            const sorting::InitialOrder order = options_.orders[o];
            const auto grows = [&](std::size_t m) { return growing[o * methods + m]; };
            const auto first = growing.begin() + static_cast<std::ptrdiff_t>(o * methods);
            if (std::none_of(first, first + static_cast<std::ptrdiff_t>(methods), [](bool g) { return g; })) continue;
            const std::vector<float> items = sorting::MakeItems(count, seed_, order);
            for (std::size_t m = 0; m < methods; ++m) {
                if (!grows(m)) continue;
                if (progress) progress(options_.methods[m], order, count, clock_() - start);
                measurements.push_back(Measure(options_.methods[m], order, items));
                growing[o * methods + m] = measurements.back().seconds <= options_.budgetSeconds;
            }
        }
    }
    // Grouped by method, then by order, in the order asked for, each by count.
    const auto position = [](const auto& list, auto value) {
        return std::find(list.begin(), list.end(), value) - list.begin();
    };
    std::stable_sort(measurements.begin(), measurements.end(), [&](const Measurement& a, const Measurement& b) {
        const auto keyA = std::pair(position(options_.methods, a.method), position(options_.orders, a.order));
        const auto keyB = std::pair(position(options_.methods, b.method), position(options_.orders, b.order));
        return keyA < keyB;
    });
    return measurements;
}

}  // namespace compare
