// A student's script as a lane of the race: replayed forward and back like a method's.

#include "race/race.h"
#include "script/script_process.h"

#include <gtest/gtest.h>

using race::Replay;
using sorting::SortMethod;

namespace {

const std::vector<float> kFive{0, 5, 3, 8, 1, 9};

// A run read from a report worked by hand, without a process.
script::ScriptRun RunOf(const std::string& report)
{
    script::ScriptRun run(kFive, 100, true);
    run.Feed(report);
    run.Finish();
    return run;
}

}  // namespace

TEST(ScriptLane, ReplaysTheReportForwardAndBackWithItsLinesAndNumbers)
{
    // An insertion of the 3: compared with the 5, set aside, the 5 copied up, the 3 written
    // back; then the 8 and the 1 exchanged, and so on to the end.
    const std::string report =
        "L 4\nV i 1\nC 1 2\nL 5\nA 2 2\nM 1 2\nL 6\nV j 0\nM -3 1\n"
        "X 1 4\nX 2 4\nX 3 4\nC 1 2\nC 2 3\nC 3 4\nC 4 5\nF ok 0.5\n";
    const script::ScriptRun run = RunOf(report);
    ASSERT_FALSE(run.Failed()) << run.End().message;
    Replay lane(race::ScriptRecording({"mine.py", "a\nb\nc\nd\ne\nf\n"}, kFive, run));
    EXPECT_EQ(lane.TotalSteps(), 1 + 1 + 1 + 1 + 3 * 3 + 4u);
    using Seen = race::StepSeen;
    const std::vector<std::pair<Seen, std::vector<float>>> walk{
        {{Seen::Kind::Compared, 1, 2}, {0, 5, 3, 8, 1, 9}},
        {{Seen::Kind::CopiedOut, 2, -3}, {0, 5, 3, 8, 1, 9}},  // the 3 in hand, still standing
        {{Seen::Kind::Moved, 1, 2}, {0, 5, 5, 8, 1, 9}},       // a copy: the 5 stays at 1 too
        {{Seen::Kind::Written, 1, -3}, {0, 3, 5, 8, 1, 9}},
    };
    for (std::size_t k = 0; k < walk.size(); ++k) {
        lane.SeekTo(k + 1);
        EXPECT_EQ(lane.LastStep(), walk[k].first) << k;
        EXPECT_EQ(lane.Items(), walk[k].second) << k;
    }
    EXPECT_TRUE(lane.CopiedOut().empty()) << "written back, the 3 leaves the hand";
    const auto now = lane.Source().script->notes.At(3);
    EXPECT_EQ(now.line, 5);
    EXPECT_EQ(now.numbers, (std::vector<std::pair<std::string, std::string>>{{"i", "1"}}));
    EXPECT_EQ(lane.Source().script->notes.At(4).numbers.size(), 2u);
    lane.SeekTo(lane.TotalSteps());
    EXPECT_EQ(lane.Items(), run.Items());
    EXPECT_EQ(lane.CountsDone().moves, run.Counts().moves);
    EXPECT_EQ(lane.CountsDone().exchanges, 3);
    lane.SeekTo(0);
    EXPECT_EQ(lane.Items(), kFive);
    EXPECT_EQ(lane.CountsDone().moves, 0);
}

TEST(ScriptLane, AFailedScriptRacesToWhereItFailedAndTakesNoPlace)
{
    const script::ScriptRun lost = RunOf("A 1 1\nM 2 1\nF ok 0.1\n");
    ASSERT_TRUE(lost.Failed());
    race::Race race(kFive, {SortMethod::Bubble, SortMethod::Merge},
                    {race::ScriptRecording({"lost.py", ""}, kFive, lost)});
    ASSERT_EQ(race.LaneCount(), 3u);
    EXPECT_EQ(race.Title(2), "lost.py");
    EXPECT_EQ(race.LaneAt(2).Source().script->failure, "lost items: missing 5; there more than once: 3 (2 times)");
    EXPECT_EQ(race.RankOf(2), std::nullopt);
    // Its two steps do not put it first.
    EXPECT_EQ(race.RankOf(race.FirstToFinish()), 1);
    EXPECT_EQ(race.Rank(SortMethod::Bubble) + race.Rank(SortMethod::Merge), 3);
}

TEST(ScriptLane, TheExampleBubbleSortRacesStepForStepWithBubbleSort)
{
    if (!script::PythonAvailable()) GTEST_SKIP() << "no /usr/bin/python3 here: scripts/setup installs it";
    const std::vector<float> items{0, 4, 2, 7, 2, 9, 1, 5};
    const auto file = script::ReadScriptFile(std::string(SORTING_EXAMPLES "/bubble_sort.py"));
    race::Race race(items, {SortMethod::Bubble}, {race::RecordScript(file, items)});
    ASSERT_FALSE(race.LaneAt(1).Source().script->failure);
    const Replay &bubble = race.LaneAt(0), &mine = race.LaneAt(1);
    ASSERT_EQ(mine.TotalSteps(), bubble.TotalSteps());
    for (std::uint64_t clock = 1; clock <= race.Longest(); ++clock) {
        race.Tick(1);
        ASSERT_EQ(mine.LastStep(), bubble.LastStep()) << clock;
        ASSERT_EQ(mine.Items(), bubble.Items()) << clock;
    }
    EXPECT_EQ(mine.EqualsChangedOrder(), std::nullopt);
    race.JumpTo(9);
    EXPECT_EQ(mine.Items(), bubble.Items());
    EXPECT_NE(mine.Source().script->notes.At(mine.StepsDone()).line, 0);
}
