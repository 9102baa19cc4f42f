#include "platform/val.h"
#include "run/run_command.h"
#include "sorting/initial_order.h"
#include "support/fake_controls.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using sorting::InitialOrder;
using sorting::MakeItems;

namespace {

std::int64_t Inversions(const std::vector<float>& a)
{
    std::int64_t count = 0;
    for (std::size_t i = 1; i < a.size(); ++i)
        for (std::size_t j = i + 1; j < a.size(); ++j) count += a[i] > a[j];
    return count;
}

double StoppedClock() { return 0; }

}  // namespace

class EveryOrder : public testing::TestWithParam<InitialOrder> {};

TEST_P(EveryOrder, GivesTheCountOfItemsInTheUnitIntervalReproducibly)
{
    for (std::int32_t count : {0, 1, 2, 11, 1000}) {
        const std::vector<float> items = MakeItems(count, 7, GetParam());
        ASSERT_EQ(items.size(), static_cast<std::size_t>(count) + 1);
        EXPECT_EQ(items[0], 0.0f);
        EXPECT_TRUE(std::all_of(items.begin() + 1, items.end(), [](float x) { return x >= 0 && x < 1; }));
        EXPECT_EQ(MakeItems(count, 7, GetParam()), items) << "the same seed gives the same items";
        if (count > 10) {
            EXPECT_NE(MakeItems(count, 8, GetParam()), items) << "another seed, other items";
        }
    }
}

TEST_P(EveryOrder, HasANameThatReadsBack)
{
    EXPECT_EQ(sorting::OrderNamed(sorting::OrderName(GetParam())), GetParam());
    EXPECT_FALSE(sorting::OrderDescription(GetParam()).empty());
}

INSTANTIATE_TEST_SUITE_P(Orders, EveryOrder, testing::ValuesIn(sorting::kInitialOrders), [](const auto& info) {
    std::string name(sorting::OrderName(info.param));
    std::erase(name, '-');
    return name;
});

TEST(InitialOrder, RandomItemsAreTheWindowsForTheSameSeedAndCount)
{
    testing_support::FakeControls controls;
    testing_support::RecordingSurface picture;
    run::RunCommand run(controls, controls, picture, StoppedClock);
    controls.checkSeed = 1;
    controls.seedText = "2026";
    controls.numText = "500";
    controls.listIndex = 3;
    run.FillArray();
    const auto window = run.TheArray().Elements();
    EXPECT_EQ(MakeItems(500, platform::Val("2026"), InitialOrder::Random),
              std::vector<float>(window.begin(), window.end()));
}

TEST(InitialOrder, SortedAndReversedAreDistinctAndInOrder)
{
    const std::vector<float> sorted = MakeItems(5000, 3, InitialOrder::Sorted);
    EXPECT_TRUE(std::adjacent_find(sorted.begin() + 1, sorted.end(), std::greater_equal<>()) == sorted.end());
    std::vector<float> reversed = MakeItems(5000, 3, InitialOrder::Reversed);
    std::reverse(reversed.begin() + 1, reversed.end());
    EXPECT_EQ(reversed, sorted);
}

TEST(InitialOrder, NearlySortedIsTheSortedItemsWithFewNearbyExchanges)
{
    for (std::int32_t count : {2, 3, 10, 99, 1000, 4000}) {
        const std::vector<float> nearly = MakeItems(count, 11, InitialOrder::NearlySorted);
        std::vector<float> sorted = nearly;
        std::sort(sorted.begin() + 1, sorted.end());
        EXPECT_EQ(sorted, MakeItems(count, 11, InitialOrder::Sorted)) << "the same items";
        // An exchange of items d places apart makes at most 2d - 1 inversions.
        const std::int64_t bound = sorting::NearlySortedExchanges(count) * (2 * sorting::kNearlySortedReach - 1);
        const std::int64_t inversions = Inversions(nearly);
        EXPECT_GT(inversions, 0) << count;
        EXPECT_LE(inversions, bound) << count;
        // No item stands further from its place than all the exchanges could carry it.
        for (std::size_t i = 1; i < nearly.size(); ++i) {
            const auto place = std::lower_bound(sorted.begin() + 1, sorted.end(), nearly[i]) - sorted.begin();
            EXPECT_LE(std::abs(static_cast<std::ptrdiff_t>(i) - place),
                      sorting::NearlySortedExchanges(count) * sorting::kNearlySortedReach);
        }
    }
    EXPECT_EQ(sorting::NearlySortedExchanges(1), 0);
    EXPECT_EQ(sorting::NearlySortedExchanges(2), 1);
    EXPECT_EQ(sorting::NearlySortedExchanges(149), 1);
    EXPECT_EQ(sorting::NearlySortedExchanges(150), 2);
    EXPECT_EQ(sorting::NearlySortedExchanges(100000), 1000);
}

TEST(InitialOrder, FewUniqueHasAtMostEightValuesInRandomOrder)
{
    const std::vector<float> items = MakeItems(2000, 5, InitialOrder::FewUnique);
    const std::set<float> values(items.begin() + 1, items.end());
    EXPECT_LE(values.size(), static_cast<std::size_t>(sorting::kFewUniqueLevels));
    EXPECT_GE(values.size(), 2u);
    EXPECT_FALSE(std::is_sorted(items.begin() + 1, items.end()));
}
