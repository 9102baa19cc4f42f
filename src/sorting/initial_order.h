#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorting {

// How the items stand before the sort: the second axis of the lesson, beside the method.
enum class InitialOrder { Random, Sorted, Reversed, NearlySorted, FewUnique };

inline constexpr std::array<InitialOrder, 5> kInitialOrders{InitialOrder::Random, InitialOrder::Sorted,
                                                            InitialOrder::Reversed, InitialOrder::NearlySorted,
                                                            InitialOrder::FewUnique};

// The name an order goes by on a command line and in CSV: "random", "nearly-sorted", ...
std::string_view OrderName(InitialOrder order);
// The name as the user's language says it, and what the order is, in one line.
std::string OrderTitle(InitialOrder order);
std::string OrderDescription(InitialOrder order);
std::optional<InitialOrder> OrderNamed(std::string_view name);

// Exchanges in a nearly sorted order: about one item in a hundred, at least one.
std::int64_t NearlySortedExchanges(std::int32_t count);
inline constexpr int kNearlySortedReach = 10;  // places, at the most, between two exchanged items
inline constexpr int kFewUniqueLevels = 8;

// `count` items in [0, 1) at indices 1 to `count` (element 0 holds 0), from the program's
// generator seeded as "Fix Random Seed" seeds it, so that every order is reproducible:
// - Random: the generator's numbers as they come, the very items the window makes for the
//   same seed and count;
// - Sorted, Reversed: those numbers ascending or descending, made distinct;
// - NearlySorted: sorted, then NearlySortedExchanges(count) exchanges, each of an item with
//   one at most kNearlySortedReach places away, chosen by the generator;
// - FewUnique: each item one of kFewUniqueLevels values, in random order.
std::vector<float> MakeItems(std::int32_t count, double seed, InitialOrder order);

// Items of one's own (element 0 first) in an initial order: as they are for Random, ascending
// or descending, or nearly sorted as above. FewUnique is about the values, not their order:
// the items stay as they are.
std::vector<float> ArrangeItems(std::vector<float> items, InitialOrder order, double seed);

}  // namespace sorting
