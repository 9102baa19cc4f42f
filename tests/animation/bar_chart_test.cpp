#include "animation/animation_delay.h"
#include "animation/bar_chart.h"
#include "animation/bar_colour.h"
#include "run/run_command.h"
#include "support/error_kind.h"
#include "support/fake_controls.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <limits>

using animation::BarChart;
using platform::ErrorKind;
using platform::RGB;
using testing_support::ErrorKindOf;
using testing_support::FakeControls;
using testing_support::RecordingSurface;
using Lines = std::vector<std::string>;

namespace {

const std::string kWhite = std::to_string(RGB(255, 255, 255));

struct ChartFixture : testing::Test {
    FakeControls settings;
    RecordingSurface picture;
    BarChart chart{picture, settings};
};

}  // namespace

TEST_F(ChartFixture, PixelLayoutCentresBarsOnFiveSixthsOfTheWidth)
{
    picture.scaleWidth = 507;
    chart.PrepareBarChart(100);
    EXPECT_EQ(picture.calls, (Lines{"DrawWidth 1", "Cls", "Scale", "ScaleMode 3", "Scale 0 1.1 507 -0.1"}));
    EXPECT_EQ(chart.BarWidth(), 4);    // 5070 / 12 = 422.5 gives 422; 422 / 100 = 4
    EXPECT_EQ(chart.BarOffset(), 53);  // (507 - 400) / 2 = 53.5, truncated

    std::vector<float> theArray(101, 0.25f);
    picture.calls.clear();
    chart.DrawBars(theArray, 1, 1);
    chart.DrawBars(theArray, 100, 100);
    const std::string blueish = std::to_string(animation::BarColour(0.25f));
    EXPECT_EQ(picture.calls, (Lines{"Line 53 1 56 0.25 " + kWhite, "Line 53 0 56 0.25 " + blueish, "Refresh",
                                    "Line 449 1 452 0.25 " + kWhite, "Line 449 0 452 0.25 " + blueish, "Refresh"}));
}

TEST_F(ChartFixture, ChartWidthRoundsHalvesToEven)
{
    // 507 columns: five sixths is 422.5, which gives 422 and so one bar of 422 columns.
    picture.scaleWidth = 507;
    chart.PrepareBarChart(1);
    EXPECT_EQ(chart.BarWidth(), 422);
    EXPECT_EQ(chart.BarOffset(), 42);
    // 509 columns: 424.17 gives 424.
    picture.scaleWidth = 509;
    chart.PrepareBarChart(1);
    EXPECT_EQ(chart.BarWidth(), 424);
}

TEST_F(ChartFixture, MoreItemsThanColumnsUseTheItemLayout)
{
    picture.scaleWidth = 507;
    chart.PrepareBarChart(500);
    EXPECT_EQ(picture.calls.back(), "Scale -50 1.1 550 -0.1");
    EXPECT_EQ(chart.BarWidth(), 1);
    EXPECT_EQ(chart.BarOffset(), 0);

    std::vector<float> theArray(501, 0.5f);
    picture.calls.clear();
    chart.DrawBars(theArray, 7, 7);
    EXPECT_EQ(picture.calls[1], "Line 6 0 6 0.5 " + std::to_string(RGB(128, 0, 128)));
}

TEST_F(ChartFixture, NoItemsIsADivisionByZeroAfterClearing)
{
    EXPECT_EQ(ErrorKindOf([&] { chart.PrepareBarChart(0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(picture.calls, (Lines{"DrawWidth 1", "Cls", "Scale", "ScaleMode 3"}));
}

TEST_F(ChartFixture, AChartTooWideFor16BitsOverflows)
{
    picture.scaleWidth = 100000;
    EXPECT_EQ(ErrorKindOf([&] { chart.PrepareBarChart(1); }), ErrorKind::Overflow);
}

TEST_F(ChartFixture, BarsAreDrawnFromFirstToLastEachWithItsDelay)
{
    picture.scaleWidth = 507;
    chart.PrepareBarChart(3);
    std::vector<float> theArray{0, 0.1f, 0.2f, 0.3f};
    picture.calls.clear();
    chart.DrawBars(theArray, 1, 3);
    ASSERT_EQ(picture.calls.size(), 9u);
    // BarWidth 422 / 3 = 140, BarOffset (507 - 420) / 2 = 43.
    EXPECT_EQ(picture.calls[0].substr(0, 9), "Line 43 1");
    EXPECT_EQ(picture.calls[3].substr(0, 10), "Line 183 1");
    EXPECT_EQ(picture.calls[6].substr(0, 10), "Line 323 1");
    EXPECT_EQ(settings.delayReads, 3);
}

TEST_F(ChartFixture, FirstAfterLastDrawsNothingAndDoesNotWait)
{
    picture.scaleWidth = 507;
    chart.PrepareBarChart(3);
    std::vector<float> theArray(4, 0.5f);
    picture.calls.clear();
    chart.DrawBars(theArray, 3, 2);
    EXPECT_TRUE(picture.calls.empty());
    EXPECT_EQ(settings.delayReads, 0);
}

TEST_F(ChartFixture, ABarOutsideTheArrayIsASubscriptError)
{
    picture.scaleWidth = 507;
    chart.PrepareBarChart(3);
    std::vector<float> theArray(4, 0.5f);
    EXPECT_EQ(ErrorKindOf([&] { chart.DrawBars(theArray, 3, 4); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(ErrorKindOf([&] { chart.DrawBars(theArray, -1, 1); }), ErrorKind::SubscriptOutOfRange);
}

TEST_F(ChartFixture, BlackAndWhiteDrawsBlackBars)
{
    settings.colour = false;
    picture.scaleWidth = 507;
    chart.PrepareBarChart(1);
    std::vector<float> theArray{0, 0.7f};
    picture.calls.clear();
    chart.DrawBars(theArray, 1, 1);
    EXPECT_EQ(picture.calls[1], "Line 42 0 463 0.7 0");
}

TEST(BarColour, GoesFromBlueToRedRoundingHalvesToEven)
{
    EXPECT_EQ(animation::BarColour(0.0f), RGB(0, 0, 255));
    EXPECT_EQ(animation::BarColour(0.5f), RGB(128, 0, 128));
    EXPECT_EQ(animation::BarColour(0.25f), RGB(64, 0, 191));  // 63.75 and 191.25
    EXPECT_EQ(animation::BarColour(1.0f - 0x1p-24f), RGB(255, 0, 0));
}

TEST(AnimationDelay, CountsThousandsOfIterations)
{
    EXPECT_EQ(animation::DelayCount("500"), 500000);
    EXPECT_EQ(animation::DelayCount("2.5"), 2500);
    EXPECT_EQ(animation::DelayCount("0.0005"), 0);  // 0.5 rounds to the even 0
    EXPECT_EQ(animation::DelayCount("0.0015"), 2);  // 1.5 rounds to 2
    EXPECT_EQ(animation::DelayCount("0"), 0);
    EXPECT_EQ(animation::DelayCount("letters"), 0);
    EXPECT_EQ(animation::DelayCount("-4"), -4000);
    EXPECT_EQ(animation::DelayCount("2147483.647"), std::numeric_limits<std::int32_t>::max());
}

TEST(AnimationDelay, OutOfRangeDelaysAreErrors)
{
    EXPECT_EQ(ErrorKindOf([] { animation::DelayCount("2147483.6475"); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { animation::DelayCount("1e12"); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { animation::DelayCount("1e306"); }), ErrorKind::InvalidFloatingPoint);
    EXPECT_EQ(ErrorKindOf([] { animation::DelayCount("1e400"); }), ErrorKind::Overflow);
}

TEST(AnimationDelay, TheLongestWaitCompletesWithoutError)
{
    // 2^31 - 1 empty iterations: the counter must not step past its limit.
    animation::BusyWait(std::numeric_limits<std::int32_t>::max());
    animation::BusyWait(-5);
    SUCCEED();
}

// The run in animate mode: the initial drawing, then the bars of each exchange.
class AnimatedRun : public testing::Test {
protected:
    FakeControls controls;
    RecordingSurface picture;
    run::RunCommand run{controls, controls, picture, [] { return 0.0; }};

    void SetUp() override
    {
        controls.mode = FakeControls::kAnimate;
        controls.checkSeed = 1;
        picture.scaleWidth = 507;
    }
};

TEST_F(AnimatedRun, SwapRedrawsBarIThenBarJ)
{
    // Two items: a seed whose two items are out of order, found by trying.
    controls.numText = "2";
    for (int seed = 0;; ++seed) {
        controls.seedText = std::to_string(seed);
        run.FillArray();
        if (run.TheArray().Elements()[1] > run.TheArray().Elements()[2]) break;
    }
    // Pixel layout for 2 items: BarWidth 211, BarOffset 42; bar 1 at 42, bar 2 at 253.
    const std::pair<std::int16_t, Lines> cases[] = {{0, {"42", "253", "253", "42"}},   // Swap(2, 1)
                                                    {1, {"42", "253", "42", "253"}},   // Swap(1, 2)
                                                    {2, {"42", "253", "42", "253"}}};  // Swap(1, 2)
    for (const auto& [method, bars] : cases) {
        controls.listIndex = method;
        picture.calls.clear();
        run.ButtonRun_Click();
        EXPECT_EQ(picture.BarsDrawn(), bars) << "method " << method;
        EXPECT_EQ(run.Chart().BarWidth(), 211);
    }
}

TEST_F(AnimatedRun, TheFinalChartStaysAndTextRunsStartAtTheTopLeft)
{
    controls.listIndex = 2;
    controls.numText = "10";
    run.ButtonRun_Click();
    EXPECT_NE(picture.calls.back(), "Cls");

    controls.mode = FakeControls::kVerify;
    picture.calls.clear();
    run.ButtonRun_Click();
    EXPECT_EQ(picture.calls.front(), "Scale");
    EXPECT_EQ(picture.calls[1], "Cls");
}
