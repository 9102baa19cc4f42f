#include "sorting/initial_order.h"

#include "platform/random_generator.h"
#include "platform/words.h"

#include <algorithm>
#include <cmath>

namespace sorting {
namespace {

struct OrderText {
    std::string_view name;
    std::string_view description;
};

constexpr std::array<OrderText, kInitialOrders.size()> kTexts{{
    {SORTING_WORDS("order", "random"), SORTING_WORDS("order", "random items, as the window makes them")},
    {SORTING_WORDS("order", "sorted"), SORTING_WORDS("order", "distinct random items, already in order")},
    {SORTING_WORDS("order", "reversed"), SORTING_WORDS("order", "distinct random items in reverse order")},
    {SORTING_WORDS("order", "nearly-sorted"),
     SORTING_WORDS("order", "sorted, then 1 % of the items each swapped up to 10 places")},
    {SORTING_WORDS("order", "few-unique"), SORTING_WORDS("order", "random items of only 8 distinct values")},
}};

// Ascending and distinct: an item no greater than the one before moves up to the next
// number above it.
void SortDistinct(std::vector<float>& items)
{
    std::sort(items.begin() + 1, items.end());
    for (std::size_t i = 2; i < items.size(); ++i)
        if (!(items[i] > items[i - 1]))
            items[i] = std::min(std::nextafter(items[i - 1], 1.0f), std::nextafter(1.0f, 0.0f));
}

// A whole number from 0 to `below` - 1, from the generator.
std::int64_t Below(platform::RandomGenerator& generator, std::int64_t below)
{
    return std::min(below - 1, static_cast<std::int64_t>(std::floor(static_cast<double>(generator.Rnd()) * below)));
}

}  // namespace

std::string_view OrderName(InitialOrder order) { return kTexts[static_cast<std::size_t>(order)].name; }

std::string OrderTitle(InitialOrder order) { return platform::Words("order", OrderName(order).data()); }

std::string OrderDescription(InitialOrder order)
{
    return platform::Words("order", kTexts[static_cast<std::size_t>(order)].description.data());
}

std::optional<InitialOrder> OrderNamed(std::string_view name)
{
    for (InitialOrder order : kInitialOrders)
        if (OrderName(order) == name) return order;
    return std::nullopt;
}

std::int64_t NearlySortedExchanges(std::int32_t count)
{
    return count < 2 ? 0 : std::max<std::int64_t>(1, (static_cast<std::int64_t>(count) + 50) / 100);
}

namespace {

// NearlySortedExchanges(count) exchanges of items in order, each with one at most
// kNearlySortedReach places away, chosen by the generator.
void ExchangeNearby(std::vector<float>& items, platform::RandomGenerator& generator)
{
    const auto count = static_cast<std::int32_t>(items.size()) - 1;
    for (std::int64_t e = NearlySortedExchanges(count); e > 0; --e) {
        const std::int64_t p = 1 + Below(generator, count);
        const std::int64_t reach = 1 + Below(generator, kNearlySortedReach);
        std::int64_t q = generator.Rnd() < 0.5f ? p - reach : p + reach;
        if (q < 1 || q > count) q = 2 * p - q;      // the other side
        q = std::clamp<std::int64_t>(q, 1, count);  // a count below the reach
        if (q == p) q = p == 1 ? 2 : p - 1;
        std::swap(items[static_cast<std::size_t>(p)], items[static_cast<std::size_t>(q)]);
    }
}

}  // namespace

std::vector<float> MakeItems(std::int32_t count, double seed, InitialOrder order)
{
    platform::RandomGenerator generator;
    generator.FixSeed(seed);
    std::vector<float> items(static_cast<std::size_t>(std::max(count, 0)) + 1, 0.0f);
    for (std::size_t i = 1; i < items.size(); ++i) items[i] = generator.Rnd();

    switch (order) {
        case InitialOrder::Random:
            break;
        case InitialOrder::Sorted:
            SortDistinct(items);
            break;
        case InitialOrder::Reversed:
            SortDistinct(items);
            std::reverse(items.begin() + 1, items.end());
            break;
        case InitialOrder::NearlySorted:
            SortDistinct(items);
            ExchangeNearby(items, generator);
            break;
        case InitialOrder::FewUnique:
            for (std::size_t i = 1; i < items.size(); ++i)
                items[i] = (std::floor(items[i] * kFewUniqueLevels) + 0.5f) / kFewUniqueLevels;
            break;
    }
    return items;
}

std::vector<float> ArrangeItems(std::vector<float> items, InitialOrder order, double seed)
{
    if (order == InitialOrder::Random || order == InitialOrder::FewUnique) return items;
    std::sort(items.begin() + 1, items.end());
    if (order == InitialOrder::Reversed) std::reverse(items.begin() + 1, items.end());
    if (order == InitialOrder::NearlySorted) {
        platform::RandomGenerator generator;
        generator.FixSeed(seed);
        ExchangeNearby(items, generator);
    }
    return items;
}

}  // namespace sorting
