#include "platform/format_number.h"

#include <gtest/gtest.h>

using platform::FormatNumber;
using platform::NumberFormat;

TEST(FormatNumber, GivesExactlyTheAskedDigits)
{
    const NumberFormat plain;
    EXPECT_EQ(FormatNumber(0.27, 2, plain), "0.27");
    EXPECT_EQ(FormatNumber(0.0, 2, plain), "0.00");
    EXPECT_EQ(FormatNumber(0.5, 5, plain), "0.50000");
    EXPECT_EQ(FormatNumber(0.123456, 5, plain), "0.12346");
    EXPECT_EQ(FormatNumber(12.0, 0, plain), "12");
    EXPECT_EQ(FormatNumber(0.004, 2, plain), "0.00");
    EXPECT_EQ(FormatNumber(0.99999, 2, plain), "1.00");
    EXPECT_EQ(FormatNumber(-1.5, 2, plain), "-1.50");
    EXPECT_EQ(FormatNumber(-0.001, 2, plain), "0.00");
    EXPECT_EQ(FormatNumber(0.1f, 5, plain), "0.10000");
}

TEST(FormatNumber, FollowsTheRegionalSettings)
{
    const NumberFormat english{".", ",", 3, true, "-"};
    EXPECT_EQ(FormatNumber(1234567.891, 2, english), "1,234,567.89");
    EXPECT_EQ(FormatNumber(123.4, 2, english), "123.40");
    EXPECT_EQ(FormatNumber(-1234.5, 1, english), "-1,234.5");

    const NumberFormat german{",", ".", 3, true, "-"};
    EXPECT_EQ(FormatNumber(1234.5, 2, german), "1.234,50");
    EXPECT_EQ(FormatNumber(0.27, 2, german), "0,27");

    const NumberFormat noLeadingZero{".", "", 3, false, "-"};
    EXPECT_EQ(FormatNumber(0.27, 2, noLeadingZero), ".27");
    EXPECT_EQ(FormatNumber(1.27, 2, noLeadingZero), "1.27");
}

TEST(FormatNumber, TheCLocaleHasAPeriodAndNoGrouping)
{
    const NumberFormat c = platform::RegionalNumberFormat();
    EXPECT_EQ(c.decimalSeparator, ".");
    EXPECT_EQ(FormatNumber(1234.5, 2, c), "1234.50");
}
