// What the race shows a class of its equal items and a method's next move.

#include "race/prediction.h"
#include "race/replay.h"
#include "race/working_part.h"
#include "sorting/initial_order.h"
#include "support/method_names.h"

#include <gtest/gtest.h>

#include <cmath>

using race::Replay;
using sorting::SortMethod;

TEST(EqualItems, EachMethodKeepsOrChangesTheirOrderAsWorkedByHand)
{
    const std::vector<float> fours{0, 3, 4, 2, 4, 1}, two{0, 4, 4};
    // The first 4 stood at 2, the second at 4: those that change the order leave the second first.
    const std::vector<std::pair<SortMethod, bool>> keepFours{
        {SortMethod::Selection, false}, {SortMethod::Insertion, true},      {SortMethod::Bubble, true},
        {SortMethod::Merge, true},      {SortMethod::Shell, true},          {SortMethod::Heap, false},
        {SortMethod::Quick, false},     {SortMethod::ThreeWayQuick, false}, {SortMethod::NaturalMerge, true},
        {SortMethod::Radix, true},      {SortMethod::Bucket, true}};
    for (const auto& [method, kept] : keepFours) {
        Replay replay(race::Record(method, fours));
        replay.SeekTo(replay.TotalSteps());
        EXPECT_EQ(!replay.EqualsChangedOrder(), kept) << sorting::MethodName(method);
        if (!kept) {
            EXPECT_EQ(replay.EqualsChangedOrder(), std::make_pair(4, 2)) << sorting::MethodName(method);
        }
    }
    Replay merge(race::Record(SortMethod::Merge, two));
    merge.SeekTo(merge.TotalSteps());
    EXPECT_EQ(merge.EqualsChangedOrder(), std::make_pair(2, 1)) << "the window's merge takes the right-hand item";
    EXPECT_EQ(merge.RankAmongEquals(1), 0);
    EXPECT_EQ(merge.RankAmongEquals(2), 1);
    EXPECT_EQ(Replay(race::Record(SortMethod::Merge, {0, 1, 2})).HasEquals(), false);
    // On few-unique items, the methods the table calls stable keep the order, and only they.
    const std::vector<float> few = sorting::MakeItems(200, 4, sorting::InitialOrder::FewUnique);
    for (SortMethod method : sorting::kAllMethods) {
        Replay replay(race::Record(method, few));
        replay.SeekTo(replay.TotalSteps());
        EXPECT_EQ(!replay.EqualsChangedOrder(), sorting::Facts(method).stable) << sorting::MethodName(method);
    }
}

TEST(Prediction, AsksAboutTheNextExchangeOrWriteAndJudgesTheAnswer)
{
    struct Case {
        SortMethod method;
        std::vector<float> items;
        race::Question::Kind kind;
        std::uint64_t step;
        std::vector<std::int32_t> answer;
    };
    const std::vector<Case> cases{
        {SortMethod::Bubble, {0, 5, 3}, race::Question::Kind::Exchange, 2, {1, 2}},
        // Two copies out and a comparison, then the first write.
        {SortMethod::Merge, {0, 2, 1}, race::Question::Kind::Write, 4, {1}},
        // Two reads and two moves out, then the first copy back.
        {SortMethod::Radix, {0, 0.5f, 0.25f}, race::Question::Kind::Write, 5, {1}},
    };
    for (const Case& c : cases) {
        Replay replay(race::Record(c.method, c.items));
        const auto question = race::NextQuestion(replay);
        ASSERT_TRUE(question) << sorting::MethodName(c.method);
        EXPECT_EQ(question->kind, c.kind);
        EXPECT_EQ(question->step, c.step);
        EXPECT_EQ(question->answer, c.answer);
        std::vector<std::int32_t> reversed(c.answer.rbegin(), c.answer.rend());
        EXPECT_TRUE(question->RightAbout(reversed));
        EXPECT_FALSE(question->RightAbout({3}));
    }
    Replay selection(race::Record(SortMethod::Selection, {0, 1, 2}));
    EXPECT_FALSE(race::NextQuestion(selection)) << "items in place are exchanged with themselves";
}

TEST(CopiedOut, TheWindowsMergeKeepsTheRightRunReversedSoTheComparedCopiesAreTheEnds)
{
    // 3 4 2 4 1, width 2, lo 1, mid 2, hi 4: after the four copies the scratch area holds 3 4
    // from items 1 and 2, then 4 2 from items 4 and 3, and the merge compares entries 1 and 4.
    Replay merge(race::Record(SortMethod::Merge, {0, 3, 4, 2, 4, 1}));
    merge.SeekTo(12 + 4 + 1);  // the two merges of width 1, six steps each; the copies; a comparison
    std::vector<std::pair<std::int32_t, float>> strip;
    for (const auto& copied : merge.CopiedOut()) strip.emplace_back(copied.at, copied.value);
    using Strip = decltype(strip);
    EXPECT_EQ(strip, (Strip{{1, 3.0f}, {2, 4.0f}, {3, 4.0f}, {4, 2.0f}}));
    EXPECT_EQ(merge.LastStep(), (race::StepSeen{race::StepSeen::Kind::Compared, -2, -5}));
}

TEST(WorkingPart, IsWhatTheCodesVariablesSayAtTheStep)
{
    // Steps of the traces in tests/race_window/traces, the part worked out by hand from the
    // variables there.
    using race::WorkingPart;
    using Shade = WorkingPart::Shade;
    const std::vector<float> a{0, 5, 3, 8, 1, 9, 2, 7, 4}, b{0, 3, 4, 2, 4, 1};
    struct Case {
        SortMethod method;
        std::vector<float> items;
        std::uint64_t step;
        WorkingPart part;
    };
    const std::vector<Case> cases{
        {SortMethod::Selection, b, 8, {{{1, 1, Shade::Sorted}}, {}, {}}},                  // i=2
        {SortMethod::Insertion, b, 2, {{{1, 2, Shade::Sorted}}, {}, {}}},                  // i=3
        {SortMethod::Bubble, a, 41, {{{7, 8, Shade::Sorted}}, {}, {}}},                    // pass=3
        {SortMethod::Merge, b, 17, {{{1, 2, Shade::LeftRun}, {3, 4, Shade::RightRun}}, {}, {}}},
        {SortMethod::NaturalMerge, b, 7, {{{1, 2, Shade::LeftRun}, {3, 4, Shade::RightRun}}, {}, {}}},
        {SortMethod::Shell, a, 2, {{{6, 6, Shade::Working}, {2, 2, Shade::Working}}, {}, {}}},  // h=4 i=6
        {SortMethod::Heap, b, 13, {{{1, 5, Shade::Working}}, {}, {}}},                       // last=5
        {SortMethod::Quick, a, 1, {{{1, 8, Shade::Working}}, 8, {}}},                        // pivot at hi
        {SortMethod::Quick, a, 17, {{{1, 8, Shade::Working}}, 4, {}}},                       // put at i + 1
        {SortMethod::MedianQuick, a, 1, {{{1, 8, Shade::Working}}, {}, {}}},                 // no pivot yet
        {SortMethod::MedianQuick, a, 13, {{{1, 8, Shade::Working}}, 8, {}}},
        {SortMethod::ThreeWayQuick, b, 1, {{{1, 5, Shade::Working}}, 1, {}}},                // pivot at lt
        {SortMethod::Intro, a, 1, {{{1, 8, Shade::Working}}, {}, {}}},
        {SortMethod::Radix, b, 1, {{}, {}, 1}},
        {SortMethod::Bucket, b, 1, {}},
    };
    for (const Case& c : cases) {
        Replay lane(race::Record(c.method, c.items));
        lane.SeekTo(c.step);
        EXPECT_EQ(race::WorkingPartOf(lane), c.part) << sorting::MethodName(c.method) << " at " << c.step;
    }
    EXPECT_EQ(race::WorkingPartOf(Replay(race::Record(SortMethod::Quick, a))), WorkingPart{}) << "before the first";
}
