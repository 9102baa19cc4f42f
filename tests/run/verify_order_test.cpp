#include "run/verify_order.h"
#include "support/error_kind.h"
#include "support/recording_observer.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

using platform::NumberFormat;
using testing_support::RecordingSurface;
using testing_support::WithElementZero;
using Lines = std::vector<std::string>;

namespace {

Lines Report(const std::vector<float>& theArray, std::int32_t gap, const NumberFormat& format = {})
{
    RecordingSurface picture;
    run::VerifyOrder(theArray, gap, picture, format);
    EXPECT_EQ(picture.calls.back(), "Refresh");
    return picture.printed;
}

}  // namespace

TEST(VerifyOrder, ItemsInOrderAreReportedSorted)
{
    EXPECT_EQ(Report(WithElementZero({0.1f, 0.2f, 0.2f, 0.9f}), 1), (Lines{"The array is sorted", ""}));
    EXPECT_EQ(Report(WithElementZero({}), 1), (Lines{"The array is sorted", ""}));
    EXPECT_EQ(Report(WithElementZero({0.4f}), 1), (Lines{"The array is sorted", ""}));
}

TEST(VerifyOrder, NamesOnlyTheFirstPairOutOfOrder)
{
    EXPECT_EQ(Report(WithElementZero({0.1f, 0.3f, 0.2f, 0.5f, 0.4f}), 1),
              (Lines{"The sorting process was not done correctly.",
                     "for example:", "   TheArray(2)=0.30000 > TheArray(3)=0.20000", ""}));
}

TEST(VerifyOrder, FindsAFaultInTheLastPair)
{
    EXPECT_EQ(Report(WithElementZero({0.1f, 0.2f, 0.5f, 0.25f}), 1)[2], "   TheArray(3)=0.50000 > TheArray(4)=0.25000");
}

TEST(VerifyOrder, WritesFiveDecimalsInTheRegionalFormat)
{
    const NumberFormat german{",", ".", 3, true, "-"};
    EXPECT_EQ(Report(WithElementZero({0.5f, 0.123456f}), 1, german)[2], "   TheArray(1)=0,50000 > TheArray(2)=0,12346");
    EXPECT_EQ(Report(WithElementZero({1234.5f, 0.0f}), 1, german)[2],
              "   TheArray(1)=1.234,50000 > TheArray(2)=0,00000");
}

TEST(VerifyOrder, OtherGapsNameTheGapInTheVerdict)
{
    const std::vector<float> twoSorted = WithElementZero({0.1f, 0.5f, 0.2f, 0.6f, 0.3f});
    EXPECT_EQ(Report(twoSorted, 2), (Lines{"The array is correctly 2-sorted.", ""}));
    EXPECT_EQ(Report(twoSorted, 3), (Lines{"The 3-sorting process was not done correctly.",
                                           "for example:", "   TheArray(2)=0.50000 > TheArray(5)=0.30000", ""}));
    EXPECT_EQ(Report(twoSorted, 4)[0], "The array is correctly 4-sorted.");
    EXPECT_EQ(Report(twoSorted, 9)[0], "The array is correctly 9-sorted.");
}

TEST(VerifyOrder, PrintsBelowWhatIsThereAndNeverChangesTheItems)
{
    const std::vector<float> theArray = WithElementZero({0.3f, 0.1f});
    const std::vector<float> copy = theArray;
    RecordingSurface picture;
    picture.Print("earlier");
    run::VerifyOrder(theArray, 1, picture, {});
    EXPECT_EQ(picture.calls.front(), "Print earlier");
    EXPECT_EQ(picture.printed.size(), 5u);
    EXPECT_EQ(theArray, copy);
}
