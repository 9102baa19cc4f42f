// Every order of a few items: the exact best, average and worst case, against the textbook.

#include "compare/every_order.h"
#include "compare/every_order_report.h"

#include <gtest/gtest.h>

using sorting::SortMethod;

TEST(EveryOrder, GivesTheTextbooksExactFiguresOnEveryOrderOfTwoToEightItems)
{
    for (int n = 2; n <= 8; ++n) {
        std::uint64_t orders = 1, ordersTimesH = 0;  // n!, and n! H(n) = n!/1 + n!/2 + ... + n!/n
        for (int k = 2; k <= n; ++k) orders *= k;
        for (int k = 1; k <= n; ++k) ordersTimesH += orders / k;
        const auto row = [n](SortMethod method) { return compare::EveryOrder(method, n); };
        const std::uint64_t pairs = n * (n - 1) / 2;
        // An exchange of neighbours removes one inversion, and the orders have n(n - 1)/4 on
        // the average (Knuth, The Art of Computer Programming 3, 5.1.1).
        EXPECT_EQ(row(SortMethod::Insertion).exchanges.total * 2, orders * pairs) << n;
        EXPECT_EQ(row(SortMethod::Bubble).exchanges.total * 2, orders * pairs) << n;
        // Selection sort compares every pair, whatever the order.
        const compare::EveryOrderRow selection = row(SortMethod::Selection);
        EXPECT_EQ(selection.comparisons.fewest, std::int64_t(pairs));
        EXPECT_EQ(selection.comparisons.most, std::int64_t(pairs));
        // Its exchanges too, n - 1 of them: no order is worst or best.
        EXPECT_TRUE(compare::EveryOrderTableRow(selection, ".").ends_with("every order takes the same steps\n")) << n;
        // Quick sort, m - 1 comparisons to part m items, makes 2(n + 1)H(n) - 4n on the average
        // (Knuth, 5.2.2; Sedgewick, Algorithms, the analysis of quicksort).
        const compare::EveryOrderRow quick = row(SortMethod::Quick);
        EXPECT_EQ(quick.comparisons.total, 2 * (n + 1) * ordersTimesH - 4 * n * orders) << n;
        EXPECT_EQ(quick.orders, orders);
        EXPECT_TRUE(quick.inOrder);
        // Insertion sort's worst order is the reversed one, its best the sorted one.
        const compare::EveryOrderRow insertion = row(SortMethod::Insertion);
        EXPECT_TRUE(std::is_sorted(insertion.worst.rbegin(), insertion.worst.rend())) << n;
        EXPECT_TRUE(std::is_sorted(insertion.best.begin(), insertion.best.end())) << n;
    }
}

TEST(EveryOrder, WritesTheMeanExactlyToFourDecimals)
{
    const std::vector<std::tuple<std::uint64_t, std::uint64_t, std::string>> cases{
        {1, 3, "0.3333"}, {2, 3, "0.6667"}, {99995, 10000, "9.9995"}, {199999, 20000, "10.0000"}, {90, 4, "22.5000"}};
    for (const auto& [total, orders, mean] : cases) EXPECT_EQ(compare::ExactMean(total, orders), mean);
    EXPECT_EQ(compare::ExactMean(90, 4, ","), "22,5000");
}
