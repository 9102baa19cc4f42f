// The six methods that answer a class's next questions: their exact work on arrays worked by
// hand, and the rules each lesson rests on.

#include "sorting/counting_observer.h"
#include "sorting/initial_order.h"
#include "sorting/sort_method.h"
#include "support/recording_observer.h"

#include <gtest/gtest.h>

#include <cmath>

using sorting::SortCounts;
using sorting::SortMethod;
using testing_support::WithElementZero;

namespace {

SortCounts Counted(SortMethod method, std::vector<float>& theArray)
{
    sorting::CountingObserver counter;
    sorting::Sort(method, theArray, counter);
    return counter.counts;
}

double NLog2N(std::int32_t n) { return n * std::log2(double(n)); }

}  // namespace

TEST(LessonMethods, MakeTheWorkDoneByHand)
{
    struct Worked {
        SortMethod method;
        std::vector<float> items;
        SortCounts counts;  // comparisons, exchanges, merges, moves, reads
    };
    const std::vector<Worked> cases{
        // The median of three moves to the end; the partition leaves the items in order.
        {SortMethod::MedianQuick, {1, 2, 3}, {5, 2, 0, 6, 0}},
        // 1 and 2 go below 3, in two exchanges; then 1..2 parts with 2 above 1.
        {SortMethod::ThreeWayQuick, {3, 1, 2}, {4, 2, 0, 6, 0}},
        {SortMethod::ThreeWayQuick, {2, 2, 2}, {4, 0, 0, 0, 0}},
        // A small part: by insertion.
        {SortMethod::Intro, {3, 1, 2}, {3, 2, 0, 6, 0}},
        // Runs 2 3 and 1: the left run copied out, 1 moved to the front, the copies back.
        {SortMethod::NaturalMerge, {2, 3, 1}, {3, 0, 1, 5, 0}},
        {SortMethod::NaturalMerge, {1, 2, 3}, {2, 0, 0, 0, 0}},
        {SortMethod::Radix, {0.5f, 0.25f}, {0, 0, 0, 16, 8}},
        // Buckets of 3 × 0.5, 3 × 0.25 and 3 × 1 (the last one's): one item each.
        {SortMethod::Bucket, {0.5f, 0.25f, 1}, {0, 0, 0, 6, 3}},
        {SortMethod::Bucket, {0, 0, 0}, {2, 0, 0, 6, 3}},  // all in the first bucket
    };
    for (const Worked& c : cases) {
        std::vector<float> theArray = WithElementZero(c.items);
        const SortCounts counts = Counted(c.method, theArray);
        const std::string what = std::string(sorting::MethodName(c.method)) + " of " + std::to_string(c.items[0]);
        EXPECT_EQ(counts.comparisons, c.counts.comparisons) << what;
        EXPECT_EQ(counts.exchanges, c.counts.exchanges) << what;
        EXPECT_EQ(counts.merges, c.counts.merges) << what;
        EXPECT_EQ(counts.moves, c.counts.moves) << what;
        EXPECT_EQ(counts.reads, c.counts.reads) << what;
        EXPECT_TRUE(std::is_sorted(theArray.begin() + 1, theArray.end())) << what;
    }
}

TEST(LessonMethods, EachLessonsRuleHoldsAtEveryCount)
{
    for (std::int32_t n : {2, 3, 17, 100, 1000, 2000}) {
        const auto count = [&](SortMethod method, sorting::InitialOrder order) {
            std::vector<float> items = sorting::MakeItems(n, 8, order);
            return Counted(method, items);
        };
        const SortCounts median = count(SortMethod::MedianQuick, sorting::InitialOrder::Sorted);
        EXPECT_LE(median.comparisons, 2 * NLog2N(n)) << "a better pivot saves quick sort on items in order, " << n;
        std::vector<float> equal(std::size_t(n) + 1, 0.5f);
        const SortCounts threeWay = Counted(SortMethod::ThreeWayQuick, equal);
        EXPECT_EQ(threeWay.comparisons, 2 * (n - 1)) << "one partition of equal items, " << n;
        EXPECT_EQ(threeWay.exchanges, 0);
        const SortCounts natural = count(SortMethod::NaturalMerge, sorting::InitialOrder::Sorted);
        EXPECT_EQ(natural.comparisons, n - 1) << "one run, found: " << n;
        EXPECT_EQ(natural.merges + natural.moves, 0);
        const SortCounts reversed = count(SortMethod::NaturalMerge, sorting::InitialOrder::Reversed);
        EXPECT_EQ(reversed.merges, n - 1) << "n runs of one item, merged pair by pair";
        for (sorting::InitialOrder order : sorting::kInitialOrders) {
            const SortCounts radix = count(SortMethod::Radix, order);
            EXPECT_EQ(radix.comparisons, 0);
            EXPECT_EQ(radix.moves, 8 * n);
            EXPECT_EQ(radix.reads, 4 * n);
            const SortCounts bucket = count(SortMethod::Bucket, order);
            EXPECT_EQ(bucket.reads, n);
            EXPECT_EQ(bucket.moves, 2 * n + 3 * bucket.exchanges);
        }
    }
}

// The first comparisons of natural merge find the runs: on reversed distinct items, n - 1 of
// them, before any move.
TEST(LessonMethods, NaturalMergeFindsTheRunsBeforeItMovesAnything)
{
    struct BeforeMoves : sorting::IgnoresSteps {
        long compared = 0;
        bool moved = false;
        void Compared(sorting::Index, sorting::Index) { compared += !moved; }
        void Moved(sorting::Index, sorting::Index) { moved = true; }
    };
    std::vector<float> items = sorting::MakeItems(500, 2, sorting::InitialOrder::Reversed);
    BeforeMoves watcher;
    sorting::Sort(SortMethod::NaturalMerge, items, watcher);
    EXPECT_EQ(watcher.compared, 499);
}

namespace {

// McIlroy's adversary: every item starts as "gas", above all others; when two gas items are
// compared, the one that is not the pivot's candidate is frozen to the next value up. The
// values so given are an input on which the sort, run again, meets the same comparisons.
struct Adversary : sorting::IgnoresSteps {
    explicit Adversary(std::span<float> gas) : items(gas), values(gas.size(), 0)
    {
        for (std::size_t i = 0; i < gas.size(); ++i) id.push_back(sorting::Index(i));
    }

    std::span<float> items;
    std::vector<sorting::Index> id;  // which item of the input stands at each place
    std::vector<float> values;       // the input's values, as they are given
    float next = 1;
    sorting::Index candidate = -1;
    static constexpr float kGas = 1e30f;

    void Freeze(sorting::Index place)
    {
        items[std::size_t(place)] = next;
        values[std::size_t(id[std::size_t(place)])] = next++;
    }
    void Compared(sorting::Index x, sorting::Index y)
    {
        const auto gas = [&](sorting::Index p) { return items[std::size_t(p)] == kGas; };
        if (gas(x) && gas(y)) Freeze(x == candidate ? y : x);
        if (gas(x))
            candidate = x;
        else if (gas(y))
            candidate = y;
    }
    void Swapped(sorting::Index i, sorting::Index j)
    {
        std::swap(id[std::size_t(i)], id[std::size_t(j)]);
        if (candidate == i || candidate == j) candidate = candidate == i ? j : i;
    }
};

std::vector<float> KillerInput(SortMethod method, std::int32_t n)
{
    std::vector<float> items(std::size_t(n) + 1, Adversary::kGas);
    items[0] = 0;
    Adversary adversary(items);
    sorting::Sort(method, items, adversary);
    for (std::int32_t i = 1; i <= n; ++i)
        if (adversary.values[std::size_t(i)] == 0) adversary.values[std::size_t(i)] = adversary.next++;
    return adversary.values;
}

}  // namespace

TEST(LessonMethods, AnAdversaryMakesMedianQuickQuadraticButNotIntro)
{
    constexpr std::int32_t n = 2000;
    const std::vector<float> killer = KillerInput(SortMethod::MedianQuick, n);
    std::vector<float> forMedian = killer, forIntro = killer;
    EXPECT_GT(Counted(SortMethod::MedianQuick, forMedian).comparisons, n * n / 8);
    EXPECT_LE(Counted(SortMethod::Intro, forIntro).comparisons, 4 * NLog2N(n)) << "heap sort takes over";
    EXPECT_TRUE(std::is_sorted(forIntro.begin() + 1, forIntro.end()));
}

TEST(MethodTable, EachGrowthIsHowTheMethodsWorkGrowsOnItsOrder)
{
    // The work (comparisons, moves, reads) at n and 4n grows by the law the table gives the
    // method on that order, as the exponent between the two counts says it.
    constexpr std::int32_t n = 2000;
    const auto work = [](SortMethod method, sorting::InitialOrder order, std::int32_t count) {
        std::vector<float> items = sorting::MakeItems(count, 1, order);
        const SortCounts counts = Counted(method, items);
        return double(counts.comparisons + counts.moves + counts.reads);
    };
    const auto exponent = [](double small, double large) { return std::log(large / small) / std::log(4.0); };
    for (SortMethod method : sorting::kAllMethods)
        for (sorting::InitialOrder order : sorting::kInitialOrders) {
            const sorting::Growth growth = sorting::WorkGrowth(method, order);
            EXPECT_NEAR(exponent(work(method, order, n), work(method, order, 4 * n)),
                        exponent(growth.At(n), growth.At(4 * n)), 0.1)
                << sorting::MethodName(method) << " on " << sorting::OrderName(order) << ": " << growth.name;
        }
}
