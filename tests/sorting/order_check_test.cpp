#include "sorting/order_check.h"
#include "support/error_kind.h"
#include "support/recording_observer.h"

#include <gtest/gtest.h>

#include <limits>

using testing_support::WithElementZero;

TEST(FirstOutOfOrder, StopsAtTheFirstFaultAndToleratesEquals)
{
    EXPECT_EQ(sorting::FirstOutOfOrder(WithElementZero({0.5f, 0.5f, 0.5f}), 1), std::nullopt);
    EXPECT_EQ(sorting::FirstOutOfOrder(WithElementZero({0.5f, 0.4f, 0.3f}), 1), 1);
    EXPECT_EQ(sorting::FirstOutOfOrder(WithElementZero({0.1f, 0.2f}), std::numeric_limits<std::int32_t>::max()),
              std::nullopt);
}

TEST(FirstOutOfOrder, AGapThatLeavesTheArrayIsASubscriptError)
{
    EXPECT_EQ(testing_support::ErrorKindOf([] {
                  sorting::FirstOutOfOrder(WithElementZero({0.1f, 0.2f}), -2);
              }),
              platform::ErrorKind::SubscriptOutOfRange);
}
