// What the race shows a class of its equal items and a method's next move.

#include "race/code_variables.h"
#include "race/prediction.h"
#include "race/replay.h"
#include "race/working_part.h"
#include "sorting/initial_order.h"
#include "support/method_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

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

TEST(Prediction, EachMethodAsksAboutItsOwnDecision)
{
    // The first question on the traces' items 5 3 8 1 9 2 7 4, worked out by hand from the
    // traces in tests/race_window/traces.
    using Kind = race::Question::Kind;
    const std::vector<float> a{0, 5, 3, 8, 1, 9, 2, 7, 4};
    struct Case {
        SortMethod method;
        Kind kind;
        std::uint64_t step;
        std::vector<std::int32_t> about;
        std::vector<sorting::Index> answer;
        std::vector<sorting::Index> right, wrong;  // places clicked, or an answer chosen
    };
    const std::vector<Case> cases{
        {SortMethod::Bubble, Kind::Exchanged, 1, {1, 2}, {race::Question::kYes}, {1}, {0}},  // 5 > 3
        {SortMethod::Shell, Kind::Exchanged, 1, {1, 5}, {race::Question::kNo}, {0}, {1}},    // 5 < 9, h=4
        {SortMethod::Insertion, Kind::Lands, 1, {2}, {1}, {1}, {2}},
        {SortMethod::Selection, Kind::Smallest, 1, {1}, {4}, {4}, {6}},
        // The copies 5 and 3 compared: the 3 of entry 2 is written, or the 3 still at item 2.
        {SortMethod::Merge, Kind::WrittenNext, 3, {1}, {sorting::ScratchPlace(2)}, {2}, {sorting::ScratchPlace(1)}},
        {SortMethod::Quick, Kind::PivotLands, 1, {8}, {4}, {4}, {8}},
        {SortMethod::Intro, Kind::ExchangedNext, 1, {}, {1, 2}, {2, 1}, {1, 3}},
        // Item 3 has a child of 9 and one of 2; item 2's children 1 and 9: it sinks to item 5.
        {SortMethod::Heap, Kind::SinksTo, 7, {2}, {5}, {5}, {4}},
        {SortMethod::ThreeWayQuick, Kind::Side, 1, {2, 1}, {race::Question::kLess}, {race::Question::kLess}, {0}},
        {SortMethod::Radix, Kind::GoesTo, 9, {1}, {1}, {sorting::ScratchPlace(1)}, {2}},  // by the low byte, all 0
        {SortMethod::Bucket, Kind::Bucket, 9, {1}, {4}, {4}, {5}},                        // 8 × 5 / 9
    };
    for (const Case& c : cases) {
        Replay lane(race::Record(c.method, a));
        ASSERT_EQ(race::NextAsked(lane), c.step) << sorting::MethodName(c.method);
        lane.SeekTo(c.step - 1);
        const auto question = race::AskNow(lane);
        ASSERT_TRUE(question) << sorting::MethodName(c.method);
        EXPECT_EQ(question->kind, c.kind);
        EXPECT_EQ(question->about, c.about) << sorting::MethodName(c.method);
        EXPECT_EQ(question->answer, c.answer) << sorting::MethodName(c.method);
        EXPECT_TRUE(question->RightAbout(c.right, lane)) << sorting::MethodName(c.method);
        EXPECT_FALSE(question->RightAbout(c.wrong, lane)) << sorting::MethodName(c.method);
    }
    Replay quick(race::Record(SortMethod::Quick, a));
    quick.SeekTo(1);  // past the pivot's question: the comparison of 3 leads to the exchange of items 1 and 2
    EXPECT_EQ(race::AskNow(quick)->answer, (std::vector<sorting::Index>{1, 2}));
    EXPECT_TRUE(race::AskNow(quick)->RightAbout({2, 1}, quick));
}

namespace {

// Checks a question's answer against what the method then does, from the lane standing
// before the decision; leaves the lane where the lesson goes on, after the decision's steps.
void ExpectDoneAsAnswered(const race::Question& q, Replay& lane)
{
    using Kind = race::Question::Kind;
    const std::string where =
        std::string(lane.Source().source.Key()) + " at step " + std::to_string(q.step);
    const auto value = [&](sorting::Index place) { return lane.ValueAt(place); };
    const sorting::Index first = q.answer[0];
    const std::int32_t about = q.about.empty() ? 0 : q.about[0];
    const std::int32_t idFirst = first > 0 ? lane.Origin(static_cast<std::int32_t>(first)) : 0;
    const std::int32_t idAbout = about > 0 ? lane.Origin(about) : 0;
    const float valueFirst = value(first), valueAbout = value(about);
    const auto after = [&] { lane.SeekTo(q.step - 1 + q.length); };
    switch (q.kind) {
        case Kind::Exchanged: {
            const std::int32_t idSecond = lane.Origin(q.about[1]);
            after();
            EXPECT_EQ(lane.Origin(about) == idSecond && lane.Origin(q.about[1]) == idAbout, first == q.kYes) << where;
            break;
        }
        case Kind::ExchangedNext: {
            const std::int32_t idSecond = lane.Origin(static_cast<std::int32_t>(q.answer[1]));
            after();
            EXPECT_EQ(lane.Origin(static_cast<std::int32_t>(first)), idSecond) << where;
            EXPECT_EQ(lane.Origin(static_cast<std::int32_t>(q.answer[1])), idFirst) << where;
            break;
        }
        case Kind::Lands:
        case Kind::SinksTo:
            after();
            EXPECT_EQ(lane.Origin(static_cast<std::int32_t>(first)), idAbout) << where;
            break;
        case Kind::Smallest: {
            const auto& items = lane.Items();
            EXPECT_EQ(valueFirst, *std::min_element(items.begin() + about, items.end())) << where;
            after();
            EXPECT_EQ(lane.Origin(about), idFirst) << where;
            break;
        }
        case Kind::WrittenNext:
        case Kind::GoesTo:
            after();
            EXPECT_EQ(value(q.kind == Kind::GoesTo ? sorting::ScratchPlace(first) : about),
                      q.kind == Kind::GoesTo ? valueAbout : valueFirst)
                << where;
            break;
        case Kind::PivotLands:
            lane.SeekTo(lane.TotalSteps());  // a pivot placed stays where it landed
            EXPECT_EQ(lane.Origin(static_cast<std::int32_t>(first)), idAbout) << where;
            after();
            break;
        case Kind::Side: {
            const float pivot = value(q.about[1]);
            EXPECT_EQ(first, valueAbout < pivot ? q.kLess : pivot < valueAbout ? q.kGreater : q.kEqual) << where;
            after();
            break;
        }
        case Kind::Bucket: {
            const auto& start = lane.Source().start;
            const float largest = *std::max_element(start.begin() + 1, start.end());
            const auto n = static_cast<sorting::Index>(start.size()) - 1;
            EXPECT_EQ(first, std::min<sorting::Index>(n - 1, static_cast<sorting::Index>(n * valueAbout / largest)));
            after();
            break;
        }
        case Kind::End:
            ADD_FAILURE() << where << " asks no kind of question";
    }
}

// The places the last step done marks.
std::vector<sorting::Index> Marked(const Replay& lane)
{
    const race::StepSeen seen = lane.LastStep();
    return {std::min(seen.first, seen.second), std::max(seen.first, seen.second)};
}

}  // namespace

TEST(Prediction, EveryAnswerIsWhatTheMethodThenDoesAndNoneIsMarkedWhenAsked)
{
    // Twenty items with equal ones among them, and a case of each method's own; sorted items,
    // whose last partitions leave their pivot in place at the recording's very last step.
    const std::vector<float> items = sorting::MakeItems(20, 7, sorting::InitialOrder::FewUnique);
    int askedLast = 0;
    for (SortMethod method : sorting::kAllMethods) {
        Replay sorted(race::Record(method, {0, 1, 2, 3}));
        while (const auto step = race::NextAsked(sorted)) {
            sorted.SeekTo(*step - 1);
            askedLast += *step == sorted.TotalSteps();
            ExpectDoneAsAnswered(*race::AskNow(sorted), sorted);
        }
        Replay lane(race::Record(method, items));
        std::set<race::Question::Kind> kinds;
        while (const auto step = race::NextAsked(lane)) {
            lane.SeekTo(*step - 1);
            const auto question = race::AskNow(lane);
            ASSERT_TRUE(question) << sorting::MethodName(method);
            kinds.insert(question->kind);
            using Form = race::Question::Form;
            const Form form = question->HowAnswered();
            if (form == Form::TwoPlaces || form == Form::YesNo) {
                const auto& pair = form == Form::TwoPlaces
                                       ? question->answer
                                       : std::vector<sorting::Index>(question->about.begin(), question->about.end());
                EXPECT_NE(Marked(lane), pair) << sorting::MethodName(method) << " at step " << *step;
            }
            ExpectDoneAsAnswered(*question, lane);
        }
        EXPECT_FALSE(kinds.empty()) << sorting::MethodName(method) << " asks nothing";
        if (method == SortMethod::Quick || method == SortMethod::MedianQuick) {
            EXPECT_EQ(kinds.size(), 2u) << sorting::MethodName(method);
        }
    }
    EXPECT_GT(askedLast, 0) << "no question at a recording's last step";
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
        {SortMethod::Selection, b, 8, {{{1, 1, Shade::Sorted}}, {}, {}, false}},  // i=2
        {SortMethod::Insertion, b, 2, {{{1, 2, Shade::Sorted}}, {}, {}, false}},  // i=3
        {SortMethod::Bubble, a, 41, {{{7, 8, Shade::Sorted}}, {}, {}, false}},    // pass=3
        {SortMethod::Merge, b, 17, {{{1, 2, Shade::LeftRun}, {3, 4, Shade::RightRun}}, {}, {}, false}},
        {SortMethod::NaturalMerge, b, 7, {{{1, 2, Shade::LeftRun}, {3, 4, Shade::RightRun}}, {}, {}, false}},
        {SortMethod::Shell, a, 2, {{{6, 6, Shade::Working}, {2, 2, Shade::Working}}, {}, {}, false}},  // h=4 i=6
        {SortMethod::Heap, b, 13, {{{1, 5, Shade::Working}}, {}, {}, false}},                          // last=5
        {SortMethod::Quick, a, 1, {{{1, 8, Shade::Working}}, 8, {}, false}},                           // pivot at hi
        {SortMethod::Quick, a, 17, {{{1, 8, Shade::Working}}, 4, {}, false}},                          // put at i + 1
        {SortMethod::Quick, a, 19, {{{1, 8, Shade::Working}}, 4, {}, true}},         // and stays there
        {SortMethod::MedianQuick, a, 1, {{{1, 8, Shade::Working}}, {}, {}, false}},  // no pivot yet
        {SortMethod::MedianQuick, a, 13, {{{1, 8, Shade::Working}}, 8, {}, false}},
        {SortMethod::ThreeWayQuick, b, 1, {{{1, 5, Shade::Working}}, 1, {}, false}},  // pivot at lt
        {SortMethod::Intro, a, 1, {{{1, 8, Shade::Working}}, {}, {}, false}},
        {SortMethod::Radix, b, 1, {{}, {}, 1, false}},
        {SortMethod::Bucket, b, 1, {}},
        {SortMethod::Bucket, a, 22, {{{6, 6, Shade::Working}}, {}, {}, false}},  // b=6 k=6: the 7
    };
    for (const Case& c : cases) {
        Replay lane(race::Record(c.method, c.items));
        lane.SeekTo(c.step);
        EXPECT_EQ(race::WorkingPartOf(lane), c.part) << sorting::MethodName(c.method) << " at " << c.step;
    }
    EXPECT_EQ(race::WorkingPartOf(Replay(race::Record(SortMethod::Quick, a))), WorkingPart{}) << "before the first";
    // Before a method's first note its variables have no values at all, whatever their names.
    race::Recording unnoted = race::Record(SortMethod::Selection, b);
    unnoted.notes = race::CodeNotes();
    for (const std::string_view name : sorting::Facts(SortMethod::Selection).code.variables)
        EXPECT_EQ(race::CodeVariables(unnoted, 0)[name], std::nullopt) << name;
}
