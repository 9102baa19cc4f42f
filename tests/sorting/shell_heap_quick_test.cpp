// Shell, heap and quick sort: their exact work on arrays worked by hand and on the orders
// where the lesson lies.

#include "sorting/counting_observer.h"
#include "sorting/initial_order.h"
#include "sorting/sort_method.h"
#include "support/recording_observer.h"

#include <gtest/gtest.h>

using sorting::SortMethod;
using testing_support::RecordingObserver;
using testing_support::WithElementZero;

namespace {

struct Worked {
    SortMethod method;
    std::vector<float> items;
    long comparisons;
    std::int64_t exchanges;
};

const std::vector<float> kInOrder7{1, 2, 3, 4, 5, 6, 7};
const std::vector<float> kReversed7{7, 6, 5, 4, 3, 2, 1};
const std::vector<float> kReversed8{8, 7, 6, 5, 4, 3, 2, 1};

}  // namespace

TEST(ShellHeapQuick, MakeTheWorkDoneByHand)
{
    const std::vector<Worked> cases{
        // Gaps 4 then 1: four exchanges at gap 4, then the twelve inversions left.
        {SortMethod::Shell, kReversed8, 20, 16},
        {SortMethod::Shell, {1, 2, 3, 4, 5, 6, 7, 8}, 11, 0},
        {SortMethod::Heap, kInOrder7, 21, 16},
        {SortMethod::Heap, kReversed7, 18, 11},
        // The smallest pivot changes places with the first item; the largest is then in place.
        {SortMethod::Quick, kReversed7, 21, 3},
        {SortMethod::Quick, kInOrder7, 21, 0},
        {SortMethod::Quick, {3, 1, 2}, 2, 2},
    };
    for (const Worked& c : cases) {
        std::vector<float> theArray = WithElementZero(c.items);
        RecordingObserver observer;
        sorting::Sort(c.method, theArray, observer);
        EXPECT_EQ(observer.comparisons, c.comparisons) << sorting::MethodName(c.method) << " of " << c.items.size();
        EXPECT_EQ(static_cast<std::int64_t>(observer.steps.size()), c.exchanges)
            << sorting::MethodName(c.method) << " of " << c.items.size();
        EXPECT_TRUE(std::is_sorted(theArray.begin() + 1, theArray.end()));
    }
    std::vector<float> three = WithElementZero({3, 1, 2});
    RecordingObserver quick;
    sorting::Sort(SortMethod::Quick, three, quick);
    EXPECT_EQ(quick.steps, (std::vector<std::string>{"Swap(1, 2)", "Swap(2, 3)"}));
}

TEST(ShellHeapQuick, OnItemsInOrderQuickSortComparesEveryPairAndNothingMoves)
{
    for (std::int32_t n : {1, 2, 5, 100, 3000}) {
        const std::vector<float> items = sorting::MakeItems(n, 4, sorting::InitialOrder::Sorted);
        for (SortMethod method : {SortMethod::Quick, SortMethod::Shell}) {
            std::vector<float> work = items;
            sorting::CountingObserver counter;
            sorting::Sort(method, work, counter);
            EXPECT_EQ(counter.counts.exchanges, 0) << sorting::MethodName(method) << " of " << n;
            if (method == SortMethod::Quick) {
                EXPECT_EQ(counter.counts.comparisons, std::int64_t(n) * (n - 1) / 2) << n;
            }
        }
    }
}
