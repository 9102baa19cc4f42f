#include "platform/memory_check.h"
#include "platform/run_time_error.h"
#include "run/run_command.h"
#include "support/error_kind.h"
#include "support/fixed_gauge.h"
#include "support/fake_controls.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sys/resource.h>

using platform::ErrorKind;
using testing_support::FixedGauge;
using platform::RunTimeError;
using run::RunCommand;
using testing_support::FakeControls;
using testing_support::RecordingSurface;
using Lines = std::vector<std::string>;

namespace {

// A clock that reads 10 s, then 10.27 s, then goes on in steps of 0.27 s.
double SteppingClock()
{
    static double now = 10.0 - 0.27;
    now += 0.27;
    return now;
}

double StoppedClock() { return 5.0; }

struct RunFixture : testing::Test {
    FakeControls controls;
    RecordingSurface picture;
    RunCommand run{controls, controls, picture, StoppedClock};

    std::vector<float> Items() const
    {
        const auto elements = run.TheArray().Elements();
        return {elements.begin(), elements.end()};
    }

    std::optional<ErrorKind> FailingRun()
    {
        return testing_support::ErrorKindOf([this] { run.ButtonRun_Click(); });
    }
};

}  // namespace

TEST_F(RunFixture, WithoutAMethodOnlyTheMessageShowsAndTheItemsStay)
{
    controls.listIndex = 0;
    controls.numText = "5";
    run.ButtonRun_Click();
    const std::vector<float> items = Items();

    controls.listIndex = -1;
    picture.calls.clear();
    run.ButtonRun_Click();
    EXPECT_EQ(picture.calls, (Lines{"Scale", "Cls", "Print You must select a sort method."}));
    EXPECT_EQ(picture.printed, Lines{"You must select a sort method."});
    EXPECT_EQ(Items(), items);
}

TEST_F(RunFixture, TheCountTextIsReadLeniently)
{
    controls.listIndex = 2;
    const std::pair<const char*, int> cases[] = {{"", 0},     {"abc", 0}, {"2.5", 2},     {"3.5", 4},
                                                 {" 12", 12}, {"1", 1},   {"7 items", 7}, {"0.4", 0}};
    for (const auto& [text, count] : cases) {
        controls.numText = text;
        run.ButtonRun_Click();
        EXPECT_EQ(run.NumItems(), count) << '"' << text << '"';
        ASSERT_EQ(run.TheArray().Elements().size(), static_cast<std::size_t>(count) + 1);
        EXPECT_EQ(run.TheArray().Elements()[0], 0.0f);
    }
}

TEST_F(RunFixture, ARefusedCountChangesNothing)
{
    controls.listIndex = 0;
    controls.numText = "4";
    run.ButtonRun_Click();
    const std::vector<float> items = Items();

    for (const char* text : {"-1", "1e10", "-3e9"}) {
        controls.numText = text;
        picture.calls.clear();
        EXPECT_EQ(FailingRun(), std::string(text) == "-1" ? ErrorKind::NegativeCount : ErrorKind::Overflow);
        EXPECT_EQ(Items(), items) << text;
        EXPECT_EQ(run.NumItems(), 4);
        EXPECT_TRUE(picture.calls.empty()) << "nothing is drawn for a refused count";
    }
}

TEST_F(RunFixture, TheItemsAreRandomNumbersInTheUnitInterval)
{
    controls.listIndex = 0;
    controls.mode = FakeControls::kVerify;
    controls.numText = "1000";
    run.FillArray();
    const std::vector<float> items = Items();
    EXPECT_EQ(items[0], 0.0f);
    EXPECT_TRUE(std::all_of(items.begin() + 1, items.end(), [](float x) { return x >= 0 && x < 1; }));
    EXPECT_GT(std::set<float>(items.begin() + 1, items.end()).size(), 990u);
}

TEST_F(RunFixture, AFixedSeedGivesTheSameItemsEachRun)
{
    controls.checkSeed = 1;
    controls.seedText = "42";
    controls.numText = "50";
    run.FillArray();
    const std::vector<float> first = Items();
    run.FillArray();
    EXPECT_EQ(Items(), first);

    controls.seedText = "43";
    run.FillArray();
    EXPECT_NE(Items(), first);

    controls.seedText = "not a number";
    run.FillArray();
    const std::vector<float> textSeed = Items();
    controls.seedText = "0";
    run.FillArray();
    EXPECT_EQ(Items(), textSeed) << "a seed text that is no number is the seed 0";
}

TEST_F(RunFixture, AFreeSeedContinuesTheSequenceAndIgnoresTheSeedText)
{
    controls.numText = "50";
    controls.seedText = "42";
    run.FillArray();
    const std::vector<float> first = Items();
    run.FillArray();
    EXPECT_NE(Items(), first);

    RunCommand twin{controls, controls, picture, StoppedClock};
    twin.FillArray();
    const auto twinItems = twin.TheArray().Elements();
    EXPECT_EQ(std::vector<float>(twinItems.begin(), twinItems.end()), first)
        << "without Randomize both start from the same state, whatever the seed text";
}

TEST_F(RunFixture, MeasureModeShowsProgressThenOneTimeLine)
{
    RunCommand timed{controls, controls, picture, SteppingClock};
    controls.listIndex = 1;
    controls.numText = "20";
    timed.ButtonRun_Click();
    EXPECT_EQ(picture.calls, (Lines{"Scale", "Cls", "Print (sort in progress)", "Refresh", "Cls",
                                    "Print time used was 0.27 seconds."}));
    EXPECT_EQ(picture.printed, Lines{"time used was 0.27 seconds."});
}

TEST_F(RunFixture, AShortSortShowsZeroTime)
{
    controls.listIndex = 0;
    controls.numText = "1";
    run.ButtonRun_Click();
    EXPECT_EQ(picture.printed, Lines{"time used was 0.00 seconds."});
}

TEST_F(RunFixture, VerifyModeClearsBeforeTheSortAndReports)
{
    controls.listIndex = 2;
    controls.mode = FakeControls::kVerify;
    controls.numText = "30";
    run.ButtonRun_Click();
    EXPECT_EQ(picture.calls, (Lines{"Scale", "Cls", "Refresh", "Print The array is sorted", "Print", "Refresh"}));
}

TEST_F(RunFixture, EachMethodSortsTheItems)
{
    controls.numText = "300";
    for (std::int16_t method = 0; method < 4; ++method) {
        controls.listIndex = method;
        run.ButtonRun_Click();
        const std::vector<float> items = Items();
        EXPECT_TRUE(std::is_sorted(items.begin() + 1, items.end())) << "method " << method;
        EXPECT_EQ(items[0], 0.0f);
    }
}

TEST_F(RunFixture, AnimateModeWithNoItemsIsADivisionByZeroAfterClearing)
{
    controls.listIndex = 0;
    controls.mode = FakeControls::kAnimate;
    controls.numText = "abc";
    EXPECT_EQ(FailingRun(), ErrorKind::DivisionByZero);
    EXPECT_EQ(picture.calls, (Lines{"DrawWidth 1", "Cls", "Scale", "ScaleMode 3"}));
}

// In a child process with the address space limited to 1 GiB: 4 GiB of items cannot be had.
[[noreturn]] void AllocateBeyondTheLimit()
{
    const rlimit limit{1UL << 30, 1UL << 30};
    setrlimit(RLIMIT_AS, &limit);
    try {
        run::ItemArray::Allocate(1'000'000'000);
    } catch (const RunTimeError& error) {
        std::exit(error.kind() == ErrorKind::OutOfMemory ? 0 : 1);
    }
    std::exit(2);
}

TEST(ItemArray, ACountThatCannotBeAllocatedIsOutOfMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#else
    EXPECT_EXIT(AllocateBeyondTheLimit(), testing::ExitedWithCode(0), "");
#endif
}

namespace {

struct MemoryFixture : RunFixture {
    FixedGauge gauge;
    std::optional<RunCommand> command{std::in_place, controls, controls, picture, StoppedClock, gauge};
    RunCommand& gauged = *command;

    // A command that holds no items yet.
    void Fresh() { command.emplace(controls, controls, picture, StoppedClock, gauge); }

    // Whether a run of `count` items with `method` goes ahead with exactly `bytes` available.
    bool RunsWith(std::uint64_t bytes, std::int16_t method, std::int32_t count)
    {
        gauge.bytes = bytes;
        controls.listIndex = method;
        controls.numText = std::to_string(count);
        try {
            gauged.FillArray();
            return true;
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::OutOfMemory);
            return false;
        }
    }
};

constexpr std::int32_t kCount = 1'000'000;
constexpr std::uint64_t kItems = (kCount + 1) * sizeof(float);

}  // namespace

TEST_F(MemoryFixture, MergeNeedsItsScratchArrayAndTheOtherMethodsDoNot)
{
    for (std::int16_t method = 0; method < 3; ++method) {
        EXPECT_TRUE(RunsWith(platform::WithMargin(kItems), method, kCount)) << method;
        Fresh();
        EXPECT_FALSE(RunsWith(platform::WithMargin(kItems) - 1, method, kCount)) << method;
    }
    EXPECT_FALSE(RunsWith(platform::WithMargin(kItems), 3, kCount));
    EXPECT_FALSE(RunsWith(platform::WithMargin(2 * kItems) - 1, 3, kCount));
    EXPECT_TRUE(RunsWith(platform::WithMargin(2 * kItems), 3, kCount));
}

TEST_F(MemoryFixture, TheItemsOfThePreviousRunAreLetGoBeforeTheScratchIsAskedFor)
{
    ASSERT_TRUE(RunsWith(platform::WithMargin(2 * kItems), 3, kCount));
    // The first run's items are held now, and so no longer count as available.
    EXPECT_TRUE(RunsWith(platform::WithMargin(kItems), 3, kCount)) << "the same run again must still go ahead";
}

TEST_F(MemoryFixture, ARefusedCountChangesNothingNotEvenTheGenerator)
{
    ASSERT_TRUE(RunsWith(platform::WithMargin(kItems), 0, 10));
    const auto before = gauged.TheArray().Elements();
    const std::vector<float> items(before.begin(), before.end());
    platform::RandomGenerator generator = gauged.Generator();

    controls.checkSeed = 1;
    controls.seedText = "7";
    picture.calls.clear();
    gauge.bytes = 1000;
    controls.numText = "300000000";
    controls.listIndex = 3;
    EXPECT_EQ(testing_support::ErrorKindOf([this] { gauged.ButtonRun_Click(); }), ErrorKind::OutOfMemory);
    const auto after = gauged.TheArray().Elements();
    EXPECT_EQ(std::vector<float>(after.begin(), after.end()), items);
    EXPECT_EQ(gauged.Generator().Rnd(), generator.Rnd()) << "the generator was not re-seeded";
    EXPECT_TRUE(picture.calls.empty());
}

TEST_F(MemoryFixture, UnreadableFiguresLetTheRunGoAhead)
{
    gauge.bytes.reset();
    controls.listIndex = 3;
    controls.numText = "1000";
    EXPECT_NO_THROW(gauged.FillArray());
    EXPECT_EQ(gauged.NumItems(), 1000);
}
