#include "animation/bar_redraw.h"
#include "sorting/merge_sort.h"
#include "support/fake_controls.h"
#include "support/recording_observer.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using testing_support::RecordingObserver;
using testing_support::WithElementZero;
using Steps = std::vector<std::string>;

namespace {

Steps MergesFor(int numItems)
{
    std::vector<float> theArray(static_cast<std::size_t>(numItems) + 1, 0.5f);
    theArray[0] = 0;
    RecordingObserver observer;
    sorting::MergeSort(theArray, observer);
    return observer.steps;
}

}  // namespace

TEST(MergeSort, MergesPassByPassFromLeftToRight)
{
    EXPECT_TRUE(MergesFor(0).empty());
    EXPECT_TRUE(MergesFor(1).empty());
    EXPECT_EQ(MergesFor(2), Steps{"Merge(1, 1, 2)"});
    EXPECT_EQ(MergesFor(3), (Steps{"Merge(1, 1, 2)", "Merge(1, 2, 3)"}));
    EXPECT_EQ(MergesFor(9), (Steps{"Merge(1, 1, 2)", "Merge(3, 3, 4)", "Merge(5, 5, 6)", "Merge(7, 7, 8)",
                                   "Merge(1, 2, 4)", "Merge(5, 6, 8)", "Merge(1, 4, 8)", "Merge(1, 8, 9)"}));
    EXPECT_EQ(MergesFor(10),
              (Steps{"Merge(1, 1, 2)", "Merge(3, 3, 4)", "Merge(5, 5, 6)", "Merge(7, 7, 8)", "Merge(9, 9, 10)",
                     "Merge(1, 2, 4)", "Merge(5, 6, 8)", "Merge(1, 4, 8)", "Merge(1, 8, 10)"}));
}

TEST(MergeSort, MakesNMinusOneMergesEvenWhenInOrder)
{
    for (int n : {2, 5, 16, 17, 100, 1000}) {
        std::vector<float> theArray(static_cast<std::size_t>(n) + 1);
        for (int i = 1; i <= n; ++i) theArray[static_cast<std::size_t>(i)] = static_cast<float>(i) / n;
        const std::vector<float> before = theArray;
        RecordingObserver observer;
        sorting::MergeSort(theArray, observer);
        EXPECT_EQ(observer.steps.size(), static_cast<std::size_t>(n - 1));
        EXPECT_EQ(theArray, before);
    }
}

TEST(MergeSort, SortsManySizesAndSeedsWithTiesAndNeverTouchesElementZero)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 engine(seed);
        for (int n = 2; n <= 70; ++n) {
            std::uniform_int_distribution<int> pick(0, seed % 2 ? 4 : 1000000);
            std::vector<float> theArray(static_cast<std::size_t>(n) + 1);
            for (float& x : theArray) x = static_cast<float>(pick(engine)) / 1000000;
            theArray[0] = -7.0f;  // a marker: element 0 must come out as it went in
            std::vector<float> expected = theArray;
            std::sort(expected.begin() + 1, expected.end());
            sorting::NoObserver plain;
            sorting::MergeSort(theArray, plain);
            ASSERT_EQ(theArray, expected) << "seed " << seed << ", " << n << " items";
        }
    }
}

TEST(Merge, TakesTheSmallerEndAndTheUpperCursorOnATie)
{
    // Runs 0.2 0.5 | 0.2 0.4: the scratch holds 0.2 0.5 0.4 0.2, and the tie at the two ends
    // is taken from the upper one first.
    std::vector<float> theArray = WithElementZero({0.2f, 0.5f, 0.2f, 0.4f});
    std::vector<float> scratch(theArray.size());
    RecordingObserver observer;
    sorting::Merge(theArray, scratch.data(), 1, 2, 4, observer);
    EXPECT_EQ(theArray, WithElementZero({0.2f, 0.2f, 0.4f, 0.5f}));
    EXPECT_EQ(scratch, (std::vector<float>{0, 0.2f, 0.5f, 0.4f, 0.2f}));
    EXPECT_EQ(observer.comparisons, 4);
}

TEST(Merge, ChangesNothingOutsideItsRange)
{
    std::vector<float> theArray = WithElementZero({0.9f, 0.6f, 0.3f, 0.1f, 0.0f});
    std::vector<float> scratch(theArray.size());
    sorting::NoObserver plain;
    sorting::Merge(theArray, scratch.data(), 2, 2, 3, plain);
    EXPECT_EQ(theArray, WithElementZero({0.9f, 0.3f, 0.6f, 0.1f, 0.0f}));
}

TEST(MergeSort, AnimationRedrawsEachMergedRange)
{
    testing_support::FakeControls settings;
    testing_support::RecordingSurface picture;
    animation::BarChart chart(picture, settings);
    chart.PrepareBarChart(4);  // BarWidth 422 / 4 = 105, BarOffset (507 - 420) / 2 = 43
    std::vector<float> theArray = WithElementZero({0.4f, 0.3f, 0.2f, 0.1f});
    picture.calls.clear();
    animation::BarRedraw redraw(chart, theArray);
    sorting::MergeSort(theArray, redraw);

    // Bars 1 to 2, then 3 to 4, then 1 to 4.
    EXPECT_EQ(picture.BarsDrawn(), (std::vector<std::string>{"43", "148", "253", "358", "43", "148", "253", "358"}));
    EXPECT_EQ(settings.delayReads, 8);
}
