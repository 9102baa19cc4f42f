#include "sorting/sort_method.h"
#include "support/method_names.h"
#include "support/recording_observer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using sorting::SortMethod;
using testing_support::RecordingObserver;
using testing_support::WithElementZero;
using Steps = std::vector<std::string>;

namespace {

RecordingObserver SortRecorded(SortMethod method, std::vector<float>& theArray)
{
    RecordingObserver observer;
    sorting::Sort(method, theArray, observer);
    return observer;
}

long Inversions(const std::vector<float>& theArray)
{
    long count = 0;
    for (std::size_t i = 1; i < theArray.size(); ++i)
        for (std::size_t j = i + 1; j < theArray.size(); ++j) count += theArray[i] > theArray[j];
    return count;
}

}  // namespace

// Rules that all four methods share.
class EverySort : public testing::TestWithParam<SortMethod> {};

TEST_P(EverySort, NoItemOrOneItemNeedsNoWork)
{
    for (std::vector<float> theArray : {WithElementZero({}), WithElementZero({0.7f})}) {
        const std::vector<float> before = theArray;
        EXPECT_TRUE(SortRecorded(GetParam(), theArray).steps.empty());
        EXPECT_EQ(theArray, before);
    }
}

TEST_P(EverySort, SortsAsTheStableSortDoesAndLeavesElementZero)
{
    std::mt19937 engine(7);
    for (int size : {2, 3, 4, 5, 7, 8, 9, 10, 13, 16, 17, 31, 40, 64, 100, 257}) {
        for (int round = 0; round < 5; ++round) {
            std::vector<float> items(static_cast<std::size_t>(size));
            // Few distinct values on the second round, so that equal items meet; zeros of
            // both signs, equal but for their bits, on the fourth; numbers such as a class
            // types, up to the largest an item may be, on the fifth.
            std::uniform_int_distribution<int> pick(0, round == 1 || round == 3 ? 3 : 1 << 20);
            for (float& x : items) x = static_cast<float>(pick(engine)) / (1 << 20);
            if (round == 3)
                for (float& x : items) x = x == 0 ? (pick(engine) % 2 ? -0.0f : 0.0f) : x;
            constexpr float kTyped[] = {0, 1, 2, 5, 7, 9, 12.5f, 100, 2.5e6f, 3.4e38f};
            if (round == 4)
                for (float& x : items) x = kTyped[pick(engine) % 10];
            std::vector<float> theArray = WithElementZero(items);
            SortRecorded(GetParam(), theArray);
            std::stable_sort(items.begin(), items.end());
            EXPECT_EQ(theArray, WithElementZero(items)) << "size " << size << ", round " << round;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, EverySort, testing::ValuesIn(sorting::kAllMethods),
                         [](const auto& info) { return testing_support::TestName(info.param); });

// Rules that the three exchange sorts share.
class ExchangeSort : public testing::TestWithParam<SortMethod> {};

TEST_P(ExchangeSort, ChangesItemsOnlyByExchanges)
{
    // Replaying the recorded exchanges on the input gives the sorted result.
    std::vector<float> theArray = WithElementZero({0.9f, 0.1f, 0.5f, 0.5f, 0.3f, 0.0f, 0.8f});
    std::vector<float> replay = theArray;
    for (const std::string& step : SortRecorded(GetParam(), theArray).steps) {
        int i = 0, j = 0;
        ASSERT_EQ(std::sscanf(step.c_str(), "Swap(%d, %d)", &i, &j), 2) << step;
        std::swap(replay[static_cast<std::size_t>(i)], replay[static_cast<std::size_t>(j)]);
    }
    EXPECT_EQ(replay, theArray);
    EXPECT_TRUE(std::is_sorted(theArray.begin() + 1, theArray.end()));
}

INSTANTIATE_TEST_SUITE_P(Methods, ExchangeSort,
                         testing::Values(SortMethod::Selection, SortMethod::Insertion, SortMethod::Bubble),
                         [](const auto& info) { return testing_support::TestName(info.param); });

// Insertion and bubble exchange once per inversion, and only then.
class InversionSort : public testing::TestWithParam<SortMethod> {};

TEST_P(InversionSort, ExchangesOncePerInversion)
{
    std::mt19937 engine(11);
    std::uniform_int_distribution<int> pick(0, 9);
    for (int size : {2, 5, 20, 60}) {
        std::vector<float> theArray(static_cast<std::size_t>(size) + 1);
        for (std::size_t i = 1; i < theArray.size(); ++i) theArray[i] = static_cast<float>(pick(engine)) / 10;
        const long inversions = Inversions(theArray);
        EXPECT_EQ(static_cast<long>(SortRecorded(GetParam(), theArray).steps.size()), inversions);
    }
}

TEST_P(InversionSort, TwoItemsOutOfOrderSwapOneAndTwo)
{
    std::vector<float> theArray = WithElementZero({0.8f, 0.2f});
    EXPECT_EQ(SortRecorded(GetParam(), theArray).steps, Steps{"Swap(1, 2)"});
}

TEST_P(InversionSort, ItemsInOrderAreNeverExchanged)
{
    std::vector<float> theArray = WithElementZero({0.1f, 0.2f, 0.2f, 0.7f});
    EXPECT_TRUE(SortRecorded(GetParam(), theArray).steps.empty());
}

TEST_P(InversionSort, ReverseOrderNeedsNTimesNMinusOneOverTwo)
{
    std::vector<float> theArray = WithElementZero({0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f});
    EXPECT_EQ(SortRecorded(GetParam(), theArray).steps.size(), 15u);
}

INSTANTIATE_TEST_SUITE_P(Methods, InversionSort, testing::Values(SortMethod::Insertion, SortMethod::Bubble),
                         [](const auto& info) { return testing_support::TestName(info.param); });

TEST(SelectionSort, SwapsOncePerPassEvenInPlace)
{
    std::vector<float> reverse = WithElementZero({0.4f, 0.3f, 0.2f, 0.1f});
    EXPECT_EQ(SortRecorded(SortMethod::Selection, reverse).steps, (Steps{"Swap(4, 1)", "Swap(3, 2)", "Swap(3, 3)"}));

    std::vector<float> inOrder = WithElementZero({0.1f, 0.2f, 0.3f});
    EXPECT_EQ(SortRecorded(SortMethod::Selection, inOrder).steps, (Steps{"Swap(1, 1)", "Swap(2, 2)"}));

    std::vector<float> two = WithElementZero({0.8f, 0.2f});
    EXPECT_EQ(SortRecorded(SortMethod::Selection, two).steps, Steps{"Swap(2, 1)"});
}

TEST(SelectionSort, TakesTheFirstOfEqualSmallestItems)
{
    std::vector<float> theArray = WithElementZero({0.5f, 0.2f, 0.9f, 0.2f});
    EXPECT_EQ(SortRecorded(SortMethod::Selection, theArray).steps.front(), "Swap(2, 1)");
}

TEST(InsertionSort, ComparesOncePerItemWhenInOrder)
{
    std::vector<float> theArray = WithElementZero({0.1f, 0.2f, 0.3f, 0.4f, 0.5f});
    EXPECT_EQ(SortRecorded(SortMethod::Insertion, theArray).comparisons, 4);
}

TEST(InsertionSort, MovesTheSmallestItemDownToOneByExchanges)
{
    std::vector<float> theArray = WithElementZero({0.2f, 0.3f, 0.4f, 0.0f});
    EXPECT_EQ(SortRecorded(SortMethod::Insertion, theArray).steps, (Steps{"Swap(3, 4)", "Swap(2, 3)", "Swap(1, 2)"}));
    EXPECT_EQ(theArray[0], 0.0f);
}

TEST(InsertionSort, StopsAtAnEqualItem)
{
    std::vector<float> theArray = WithElementZero({0.1f, 0.5f, 0.7f, 0.5f});
    EXPECT_EQ(SortRecorded(SortMethod::Insertion, theArray).steps, Steps{"Swap(3, 4)"});
}

TEST(BubbleSort, MakesEveryPassWithoutEarlyStop)
{
    for (int n : {2, 5, 30}) {
        std::vector<float> theArray(static_cast<std::size_t>(n) + 1, 0.5f);
        theArray[0] = 0;
        EXPECT_EQ(SortRecorded(SortMethod::Bubble, theArray).comparisons, long(n) * (n - 1) / 2);
    }
}

TEST(BubbleSort, ExchangesNeighboursInPassOrder)
{
    std::vector<float> theArray = WithElementZero({0.3f, 0.2f, 0.1f});
    EXPECT_EQ(SortRecorded(SortMethod::Bubble, theArray).steps, (Steps{"Swap(1, 2)", "Swap(2, 3)", "Swap(1, 2)"}));
}
