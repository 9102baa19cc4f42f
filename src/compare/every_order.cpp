#include "compare/every_order.h"

#include "sorting/counting_observer.h"
#include "sorting/order_check.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <string>
#include <thread>

namespace compare {

void FigureRange::Add(std::int64_t figure)
{
    fewest = std::min(fewest, figure);
    most = std::max(most, figure);
    total += static_cast<std::uint64_t>(figure);
}

void FigureRange::Add(const FigureRange& other)
{
    fewest = std::min(fewest, other.fewest);
    most = std::max(most, other.most);
    total += other.total;
}

namespace {

// Keeps an order of strictly more (or fewer) steps than the row's worst (or best), so that of
// equal ones the first met stays.
void KeepExtremes(EveryOrderRow& row, const std::vector<int>& worst, std::int64_t worstSteps,
                  const std::vector<int>& best, std::int64_t bestSteps)
{
    if (worstSteps > row.worstSteps) row.worst = worst, row.worstSteps = worstSteps;
    if (bestSteps < row.bestSteps) row.best = best, row.bestSteps = bestSteps;
}

// Adds one order's run to the row.
void AddOrder(EveryOrderRow& row, const std::vector<int>& order, const sorting::SortCounts& counts, bool inOrder)
{
    row.comparisons.Add(counts.comparisons);
    row.exchanges.Add(counts.exchanges);
    row.moves.Add(counts.moves);
    row.inOrder = row.inOrder && inOrder;
    ++row.orders;
    const std::int64_t steps = counts.comparisons + counts.moves + counts.reads;
    KeepExtremes(row, order, steps, order, steps);
}

void Merge(EveryOrderRow& row, const EveryOrderRow& part)
{
    row.comparisons.Add(part.comparisons);
    row.exchanges.Add(part.exchanges);
    row.moves.Add(part.moves);
    row.inOrder = row.inOrder && part.inOrder;
    row.orders += part.orders;
    KeepExtremes(row, part.worst, part.worstSteps, part.best, part.bestSteps);
}

// Every order whose first item is `first`, in lexicographic order.
EveryOrderRow OrdersBeginningWith(sorting::SortMethod method, int count, int first)
{
    EveryOrderRow part{.method = method, .count = count};
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    std::rotate(order.begin(), order.begin() + (first - 1), order.begin() + first);
    std::vector<float> items(order.size() + 1);
    do {
        std::copy(order.begin(), order.end(), items.begin() + 1);
        sorting::CountingObserver counter;
        sorting::Sort(method, items, counter);
        AddOrder(part, order, counter.counts, !sorting::FirstOutOfOrder(items, 1));
    } while (std::next_permutation(order.begin() + 1, order.end()));
    return part;
}

}  // namespace

EveryOrderRow EveryOrder(sorting::SortMethod method, int count)
{
    // One share of the work for each first item, taken by whichever thread is free.
    std::vector<EveryOrderRow> parts(static_cast<std::size_t>(count));
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int first; (first = next++) < count;)
            parts[static_cast<std::size_t>(first)] = OrdersBeginningWith(method, count, first + 1);
    };
    std::vector<std::jthread> threads(std::max(1u, std::thread::hardware_concurrency()) - 1);
    for (std::jthread& thread : threads) thread = std::jthread(work);
    work();
    for (std::jthread& thread : threads) thread.join();
    EveryOrderRow row{.method = method, .count = count};
    for (const EveryOrderRow& part : parts) Merge(row, part);
    return row;
}

std::string ExactMean(std::uint64_t total, std::uint64_t orders, const std::string& decimalSeparator)
{
    std::uint64_t whole = total / orders;
    // The fraction in ten-thousandths, rounded half up, in whole numbers throughout.
    std::uint64_t fraction = ((total % orders) * 20000 + orders) / (2 * orders);
    if (fraction == 10000) ++whole, fraction = 0;
    std::string decimals = std::to_string(fraction);
    return std::to_string(whole) + decimalSeparator + std::string(4 - decimals.size(), '0') + decimals;
}

}  // namespace compare
