#include "platform/checked_arithmetic.h"
#include "platform/rounding.h"
#include "platform/run_time_error.h"
#include "support/error_kind.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace platform;

using testing_support::ErrorKindOf;

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(3.5), 4);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(-3.5), -4);
    EXPECT_EQ(RoundToInt32(0.5), 0);
    EXPECT_EQ(RoundToInt32(422.5), 422);
    EXPECT_EQ(RoundToInt32(2.4999), 2);
    EXPECT_EQ(RoundToInt32(2.5001), 3);
    EXPECT_EQ(RoundToInt16(127.5), 128);
    EXPECT_EQ(RoundToInt16(126.5), 126);
}

TEST(Rounding, LimitsOf32Bits)
{
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ErrorKindOf([] { RoundToInt32(2147483647.5); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { RoundToInt32(1e10); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { RoundToInt32(-2147483649.0); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { RoundToInt32(std::nan("")); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { RoundToInt32(INFINITY); }), ErrorKind::Overflow);
}

TEST(Rounding, LimitsOf16Bits)
{
    EXPECT_EQ(RoundToInt16(32767.0), 32767);
    EXPECT_EQ(RoundToInt16(-32768.0), -32768);
    EXPECT_EQ(ErrorKindOf([] { RoundToInt16(32767.5); }), ErrorKind::Overflow);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_EQ(ToInt16(32767), 32767);
    EXPECT_EQ(ErrorKindOf([] { ToInt16(32768); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { ToInt16(-32769); }), ErrorKind::Overflow);
}

TEST(CheckedArithmetic, RaisesInsteadOfWrapping)
{
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(CheckedAdd(max - 1, 1), max);
    EXPECT_EQ(ErrorKindOf([] { CheckedAdd(max, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { CheckedSub(min, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { CheckedMul(65536, 32768); }), ErrorKind::Overflow);
    EXPECT_EQ(CheckedDiv(7, 2), 3);
    EXPECT_EQ(CheckedDiv(-7, 2), -3);
    EXPECT_EQ(ErrorKindOf([] { CheckedDiv(1, 0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(ErrorKindOf([] { CheckedDiv(min, -1); }), ErrorKind::Overflow);
}

TEST(RunTimeErrors, NameEachErrorInPlainWords)
{
    EXPECT_STREQ(RunTimeError(ErrorKind::Overflow).what(), "Overflow");
    EXPECT_STREQ(RunTimeError(ErrorKind::DivisionByZero).what(), "Division by zero");
    EXPECT_STREQ(RunTimeError(ErrorKind::SubscriptOutOfRange).what(), "Subscript out of range");
    EXPECT_STREQ(RunTimeError(ErrorKind::OutOfMemory).what(), "Out of memory");
    EXPECT_STREQ(RunTimeError(ErrorKind::InvalidFloatingPoint).what(), "Invalid floating-point operation");
    EXPECT_EQ(RunTimeError(ErrorKind::Overflow, "why").detail(), "why");
}
