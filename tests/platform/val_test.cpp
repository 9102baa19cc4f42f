#include "platform/run_time_error.h"
#include "platform/val.h"

#include <gtest/gtest.h>

#include <utility>

using platform::Val;

class ValTest : public testing::TestWithParam<std::pair<const char*, double>> {};

TEST_P(ValTest, ReadsTheLeadingNumber)
{
    const auto& [text, expected] = GetParam();
    EXPECT_DOUBLE_EQ(Val(text), expected) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ValTest,
                         testing::Values(std::pair{"", 0.0}, std::pair{"abc", 0.0}, std::pair{"500", 500.0},
                                         std::pair{" 12", 12.0}, std::pair{"\t 7x", 7.0}, std::pair{"2.5", 2.5},
                                         std::pair{"3.5", 3.5}, std::pair{"-1", -1.0}, std::pair{"+4", 4.0},
                                         std::pair{"1e10", 1e10}, std::pair{"1E3", 1000.0}, std::pair{"2.5e-1", 0.25},
                                         std::pair{"1e", 1.0}, std::pair{"1e+", 1.0}, std::pair{".5", 0.5},
                                         std::pair{"5.", 5.0}, std::pair{"-", 0.0}, std::pair{".", 0.0},
                                         std::pair{"12abc", 12.0}, std::pair{"1,5", 1.0}, std::pair{"0x10", 0.0},
                                         std::pair{"1e-400", 0.0}, std::pair{"- 3", 0.0}));

TEST(ValLimits, ANumberBeyondDoublePrecisionIsAnOverflow)
{
    try {
        Val("1e400");
        FAIL() << "no error";
    } catch (const platform::RunTimeError& error) {
        EXPECT_EQ(error.kind(), platform::ErrorKind::Overflow);
    }
    EXPECT_THROW(Val(std::string(400, '9')), platform::RunTimeError);
}

TEST(ValLimits, TheLargestDoubleStillReads) { EXPECT_DOUBLE_EQ(Val("1.7976931348623157e308"), 1.7976931348623157e308); }
