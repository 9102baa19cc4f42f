#include "compare/comparison.h"
#include "platform/monotonic_clock.h"
#include "race/pace.h"
#include "race/race.h"
#include "race/race_options.h"
#include "sorting/initial_order.h"
#include "support/method_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

using race::Replay;
using sorting::InitialOrder;
using sorting::SortMethod;

namespace {

// The items a sort really holds after each step where they can be seen: each comparison,
// read and move, and each exchange's last move. Steps are counted as the comparison tool
// counts them.
class Snapshots : public sorting::IgnoresSteps {
public:
    explicit Snapshots(std::span<const float> items) : items_(items) { Keep(0); }

    void Compared(sorting::Index, sorting::Index) { Keep(1); }
    void Read(sorting::Index) { Keep(1); }
    void Moved(sorting::Index, sorting::Index) { Keep(1); }
    void Swapped(sorting::Index, sorting::Index) { Keep(3); }

    std::vector<std::pair<std::uint64_t, std::vector<float>>> seen;

private:
    void Keep(std::uint64_t steps)
    {
        steps_ += steps;
        seen.emplace_back(steps_, std::vector<float>(items_.begin(), items_.end()));
    }

    std::span<const float> items_;
    std::uint64_t steps_ = 0;
};

std::vector<std::pair<std::uint64_t, std::vector<float>>> Watched(SortMethod method, std::vector<float> items)
{
    Snapshots snapshots(items);
    sorting::Sort(method, items, snapshots);
    return snapshots.seen;
}

struct Case {
    SortMethod method;
    InitialOrder order;
};

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (SortMethod method : sorting::kAllMethods)
        for (InitialOrder order : sorting::kInitialOrders) cases.push_back({method, order});
    return cases;
}

class EveryMethodAndOrder : public testing::TestWithParam<Case> {};

std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    std::string name =
        testing_support::TestName(info.param.method) + "_" + std::string(sorting::OrderName(info.param.order));
    std::erase(name, '-');
    return name;
}

}  // namespace

TEST_P(EveryMethodAndOrder, TheReplayAfterKStepsHoldsTheSortsItemsAfterKSteps)
{
    for (std::int32_t count = 1; count <= 12; ++count) {
        for (double seed : {1.0, 2.0, 3.0}) {
            const std::vector<float> items = sorting::MakeItems(count, seed, GetParam().order);
            Replay replay(race::Record(GetParam().method, items));
            const auto seen = Watched(GetParam().method, items);
            ASSERT_FALSE(seen.empty());
            ASSERT_EQ(seen.back().first, replay.TotalSteps()) << "count " << count;
            // One step at a time, checked wherever the sort's items could be seen.
            std::size_t next = 0;
            for (std::uint64_t k = 0; k <= replay.TotalSteps(); ++k) {
                while (next < seen.size() && seen[next].first == k) {
                    ASSERT_EQ(replay.Items(), seen[next].second) << "count " << count << ", after " << k << " steps";
                    ++next;
                }
                replay.Advance(1);
            }
            EXPECT_EQ(next, seen.size());
            EXPECT_TRUE(std::is_sorted(replay.Items().begin() + 1, replay.Items().end()));
            // The same in leaps of any size.
            for (std::uint64_t leap : {2u, 5u, 17u}) {
                replay.Restart();
                for (const auto& [k, expected] : seen) {
                    if (k < replay.StepsDone() || (k - replay.StepsDone()) % leap != 0) continue;
                    replay.Advance(k - replay.StepsDone());
                    ASSERT_EQ(replay.Items(), expected) << "leaps of " << leap << ", after " << k << " steps";
                }
            }
        }
    }
}

// The step the sort itself makes at each step number, as the replay should mark it.
class StepsTaken : public sorting::IgnoresSteps {
public:
    using Kind = race::StepSeen::Kind;

    void Compared(sorting::Index a, sorting::Index b) { steps.push_back({Kind::Compared, Place(a), Place(b)}); }
    void Read(sorting::Index i) { steps.push_back({Kind::Read, Place(i), Place(i)}); }
    void Swapped(sorting::Index i, sorting::Index j)
    {
        for (Kind part : {Kind::Held, Kind::Shifted, Kind::Put}) steps.push_back({part, Place(i), Place(j)});
    }
    void Moved(sorting::Index from, sorting::Index to)
    {
        if (sorting::IsScratch(to))
            steps.push_back({Kind::CopiedOut, Place(from), Place(to)});
        else if (sorting::IsScratch(from))
            steps.push_back({Kind::Written, Place(to), Place(from)});
        else
            steps.push_back({Kind::Moved, Place(from), Place(to)});
    }

    std::vector<race::StepSeen> steps;

private:
    static std::int32_t Place(sorting::Index place) { return static_cast<std::int32_t>(place); }
};

TEST_P(EveryMethodAndOrder, EachStepMarksTheItemsTheSortTouchedAndUndoesExactly)
{
    for (std::int32_t count = 1; count <= 10; ++count) {
        const std::vector<float> items = sorting::MakeItems(count, 7, GetParam().order);
        std::vector<float> work = items;
        StepsTaken taken;
        sorting::Sort(GetParam().method, work, taken);
        Replay replay(race::Record(GetParam().method, items));
        ASSERT_EQ(taken.steps.size(), replay.TotalSteps());
        // Forward one step at a time, remembering each state.
        std::vector<std::tuple<std::vector<float>, sorting::SortCounts, race::StepSeen>> states;
        for (std::uint64_t k = 0;; ++k) {
            const race::StepSeen expected = k == 0 || k == replay.TotalSteps() ? race::StepSeen{} : taken.steps[k - 1];
            ASSERT_EQ(replay.LastStep(), expected) << "count " << count << ", step " << k;
            states.emplace_back(replay.Items(), replay.CountsDone(), replay.LastStep());
            if (k == replay.TotalSteps()) break;
            replay.Advance(1);
        }
        // Back one step at a time: each state as it was, down to the start.
        for (std::uint64_t k = replay.TotalSteps(); k-- > 0;) {
            replay.Back(1);
            const auto& [items, counts, step] = states[k];
            ASSERT_EQ(replay.Items(), items) << "count " << count << ", back to step " << k;
            ASSERT_EQ(replay.CountsDone().comparisons, counts.comparisons);
            ASSERT_EQ(replay.CountsDone().moves, counts.moves);
            ASSERT_EQ(replay.CountsDone().exchanges, counts.exchanges);
            ASSERT_EQ(replay.CountsDone().merges, counts.merges);
            ASSERT_EQ(replay.CountsDone().reads, counts.reads);
            ASSERT_EQ(replay.LastStep(), step);
        }
        // And in leaps both ways.
        for (std::uint64_t leap : {3u, 11u}) {
            replay.SeekTo(replay.TotalSteps());
            for (std::uint64_t k = replay.TotalSteps(); k >= leap; k -= leap) {
                replay.Back(leap);
                ASSERT_EQ(replay.Items(), std::get<0>(states[k - leap])) << "leaps of " << leap;
            }
        }
    }
}

TEST_P(EveryMethodAndOrder, TheTotalsAreTheComparisonToolsCounts)
{
    const compare::CompareOptions options = compare::ParseOptions(
        {"--methods", std::string(sorting::MethodKey(GetParam().method)), "--orders",
         std::string(sorting::OrderName(GetParam().order)), "--counts", "300", "--seed", "9", "--repeat", "1"});
    const auto measured = compare::Comparison(options, platform::Timer).Run();
    ASSERT_EQ(measured.size(), 1u);

    Replay replay(race::Record(GetParam().method, sorting::MakeItems(300, 9, GetParam().order)));
    const sorting::SortCounts totals = replay.Source().totals;
    EXPECT_EQ(totals.comparisons, measured[0].counts.comparisons);
    EXPECT_EQ(totals.exchanges, measured[0].counts.exchanges);
    EXPECT_EQ(totals.merges, measured[0].counts.merges);
    EXPECT_EQ(totals.moves, measured[0].counts.moves);
    EXPECT_EQ(totals.reads, measured[0].counts.reads);

    replay.Advance(replay.TotalSteps() / 2);
    const sorting::SortCounts half = replay.CountsDone();
    EXPECT_EQ(static_cast<std::uint64_t>(half.comparisons + half.moves + half.reads), replay.StepsDone());
    replay.Advance(replay.TotalSteps());
    EXPECT_TRUE(replay.Finished());
    const sorting::SortCounts done = replay.CountsDone();
    EXPECT_EQ(done.comparisons, totals.comparisons);
    EXPECT_EQ(done.exchanges, totals.exchanges);
    EXPECT_EQ(done.merges, totals.merges);
    EXPECT_EQ(done.moves, totals.moves);
    EXPECT_EQ(done.reads, totals.reads);
    EXPECT_TRUE(std::is_sorted(replay.Items().begin() + 1, replay.Items().end()));
}

INSTANTIATE_TEST_SUITE_P(Cases, EveryMethodAndOrder, testing::ValuesIn(AllCases()), CaseName);

TEST(Replay, AnExchangeHoldsAnItemAsideBetweenItsMoves)
{
    Replay replay(race::Record(SortMethod::Bubble, {0.0f, 0.75f, 0.25f}));
    replay.Advance(1);  // the comparison
    EXPECT_EQ(replay.Items(), (std::vector<float>{0.0f, 0.75f, 0.25f}));
    replay.Advance(1);  // item 1 held aside
    EXPECT_EQ(replay.Items(), (std::vector<float>{0.0f, 0.75f, 0.25f}));
    replay.Advance(1);  // item 2 moved to 1
    EXPECT_EQ(replay.Items(), (std::vector<float>{0.0f, 0.25f, 0.25f}));
    EXPECT_EQ(replay.CountsDone().exchanges, 0);
    replay.Advance(1);  // the held item moved to 2
    EXPECT_EQ(replay.Items(), (std::vector<float>{0.0f, 0.25f, 0.75f}));
    EXPECT_EQ(replay.CountsDone().exchanges, 1);
    EXPECT_TRUE(replay.Finished());
    replay.Advance(5);
    EXPECT_EQ(replay.StepsDone(), 4u);
}

TEST(Replay, ReportsTheRangeOfItemsChanged)
{
    Replay replay(race::Record(SortMethod::Selection, sorting::MakeItems(50, 4, InitialOrder::Reversed)));
    const auto all = replay.TakeChanged();
    EXPECT_EQ(std::make_pair(all.first, all.last), std::make_pair(0, 50)) << "everything is new at the start";
    EXPECT_TRUE(all.aside);
    replay.Advance(49);  // the first pass's comparisons
    const auto none = replay.TakeChanged();
    EXPECT_GT(none.first, none.last);
    EXPECT_FALSE(none.aside);
    replay.Advance(3);  // its exchange of items 50 and 1
    const auto exchanged = replay.TakeChanged();
    EXPECT_EQ(std::make_pair(exchanged.first, exchanged.last), std::make_pair(1, 50));
    EXPECT_TRUE(exchanged.aside) << "an item went through the hand";
}

TEST(Race, EachTickAdvancesEveryUnfinishedMethodByTheSameSteps)
{
    race::Race race(sorting::MakeItems(200, 5, InitialOrder::Random));
    std::vector<SortMethod> finished;
    for (int tick = 0; !race.AllFinished(); ++tick) {
        std::array<std::uint64_t, 4> before{};
        for (SortMethod m : sorting::kWindowMethods) before[std::size_t(m)] = race.Lane(m).StepsDone();
        race.Tick(1000);
        for (SortMethod m : sorting::kWindowMethods) {
            const Replay& lane = race.Lane(m);
            const std::uint64_t expected = std::min<std::uint64_t>(before[std::size_t(m)] + 1000, lane.TotalSteps());
            ASSERT_EQ(lane.StepsDone(), expected) << sorting::MethodName(m) << " at tick " << tick;
            if (lane.Finished() && before[std::size_t(m)] < lane.TotalSteps()) finished.push_back(m);
        }
    }
    // They finish in the order of their costs.
    for (std::size_t i = 1; i < finished.size(); ++i)
        EXPECT_LE(race.Lane(finished[i - 1]).TotalSteps(), race.Lane(finished[i]).TotalSteps());
    EXPECT_EQ(finished.front(), SortMethod::Merge);
    EXPECT_EQ(race.MethodOf(race.FirstToFinish()), SortMethod::Merge);
    EXPECT_EQ(race.Rank(SortMethod::Merge), 1);
    EXPECT_EQ(race.Rank(SortMethod::Bubble), 4);
    for (SortMethod m : sorting::kWindowMethods) {
        const auto& items = race.Lane(m).Items();
        EXPECT_TRUE(std::is_sorted(items.begin() + 1, items.end()));
    }
    race.Restart();
    EXPECT_EQ(race.Lane(SortMethod::Bubble).StepsDone(), 0u);
    EXPECT_EQ(race.Lane(SortMethod::Bubble).Items(), sorting::MakeItems(200, 5, InitialOrder::Random));
}

TEST(Race, RefusesACountItCannotHold)
{
    EXPECT_THROW(race::Race(std::vector<float>{}), std::invalid_argument);
    EXPECT_THROW(race::Race(std::vector<float>(race::kMaxItems + 2, 0.5f)), std::invalid_argument);
    EXPECT_NO_THROW(race::Race(std::vector<float>(race::kMaxItems + 1, 0.5f)));
}

TEST(Pace, TheDialIsLogarithmicAndCarriesFractions)
{
    EXPECT_DOUBLE_EQ(race::Pace::StepsPerSecondAt(race::Pace::kSlowest), 1);
    EXPECT_NEAR(race::Pace::StepsPerSecondAt(race::Pace::kClassroom), 2, 0.01);
    EXPECT_NEAR(race::Pace::StepsPerSecondAt(race::Pace::kDefault), 1000, 1e-9);
    EXPECT_NEAR(race::Pace::StepsPerSecondAt(race::Pace::kFastest), 1e7, 1e-3);
    EXPECT_NEAR(race::Pace::StepsPerSecondAt(15) / race::Pace::StepsPerSecondAt(5), 10, 1e-9);

    race::Pace pace;
    pace.SetNotch(10);  // 10 steps a second: one step per tenth
    std::uint64_t steps = 0;
    for (int tick = 0; tick < 60; ++tick) steps += pace.StepsFor(1.0 / 60);
    EXPECT_EQ(steps, 10u) << "a second of ticks";
    EXPECT_EQ(pace.StepsFor(5.0), 1u) << "a stall counts as a tenth of a second";
    pace.SetNotch(race::Pace::kSlowest);
    for (int tick = 0; tick < 59; ++tick) EXPECT_EQ(pace.StepsFor(1.0 / 60), 0u);
    EXPECT_EQ(pace.StepsFor(1.0 / 60), 1u) << "one step in a second";
    pace.SetNotch(1000);
    EXPECT_EQ(pace.Notch(), race::Pace::kFastest);
}

TEST(Race, TheMethodsChosenRaceInTheirOrderAndRankAmongThemselves)
{
    const std::vector<SortMethod> seven(sorting::kAllMethods.begin(), sorting::kAllMethods.end());
    race::Race race(sorting::MakeItems(300, 6, InitialOrder::Sorted), seven);
    EXPECT_EQ(race.Methods(), seven);
    while (!race.AllFinished()) race.Tick(100000);
    // On items in order quick sort compares every pair, as selection and bubble sort do.
    EXPECT_EQ(race.Lane(SortMethod::Quick).Source().totals.comparisons, 300 * 299 / 2);
    EXPECT_EQ(race.MethodOf(race.FirstToFinish()), SortMethod::Insertion);
    EXPECT_EQ(race.Rank(SortMethod::Insertion), 1);
    EXPECT_EQ(race.Rank(SortMethod::Quick), race.Rank(SortMethod::Bubble));

    race::Race two(sorting::MakeItems(50, 1, InitialOrder::Random), {SortMethod::Heap, SortMethod::Shell});
    EXPECT_EQ(two.Methods(), (std::vector{SortMethod::Heap, SortMethod::Shell}));
    EXPECT_THROW((void)two.Lane(SortMethod::Merge), std::out_of_range);
}

TEST(RaceOptions, ReadTheMethodsItemsAndSoundAndRefuseWhatCannotRace)
{
    const race::RaceOptions options = race::ParseRaceOptions({"--items", "4,5 6", "--sound"}, ',');
    EXPECT_EQ(options.lesson.items, (race::ItemsAsked{std::vector<float>{0, 4.5f, 6}}));
    EXPECT_TRUE(options.sound);
    EXPECT_EQ(race::ParseRaceOptions({"--items", "300"}).lesson.items, race::ItemsAsked{300});
    EXPECT_FALSE(race::ParseRaceOptions({}).lesson.methods);
    EXPECT_EQ(race::ParseRaceOptions({"--methods", "all"}).lesson.methods->size(), sorting::kAllMethods.size());
    EXPECT_EQ(race::ParseRaceOptions({"--methods", "quick,Heap"}).lesson.methods,
              (std::vector{SortMethod::Quick, SortMethod::Heap}));
    EXPECT_EQ(race::ParseRaceOptions({"class.sortrace", "--zoom", "150"}).lessonFile, "class.sortrace");
    const auto video = race::ParseRaceOptions({"--export", "a.mp4", "--steps", "10..500", "--size", "640x360"});
    EXPECT_EQ(video.steps, (std::pair<std::uint64_t, std::uint64_t>(10, 500)));
    EXPECT_EQ(video.size, (std::pair(640, 360)));
    EXPECT_EQ(video.exportTo->format, race::ExportFormat::Video);
    EXPECT_EQ(video.exportTo->path, "a.mp4");
    EXPECT_EQ(race::ParseRaceOptions({"--script-seconds", "600"}).scriptSeconds, 600);
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{{"--methods", "quick"},
                                                                                     {"--methods", "quick,quick"},
                                                                                     {"--methods", "merge,bogo"},
                                                                                     {"--methods"},
                                                                                     {"--items", "3 -1"},
                                                                                     {"a.sortrace", "b.sortrace"},
                                                                                     {"--zoom", "120"},
                                                                                     {"--steps", "5..2"},
                                                                                     {"--steps", "5"},
                                                                                     {"--steps", "0..5x"},
                                                                                     {"--size", "1279x720"},
                                                                                     {"--size", "1280x"},
                                                                                     {"--size", "32x32"},
                                                                                     {"--worksheet", "a.pdf", "--export", "a.mp4"},
                                                                                     {"--script-seconds", "0"},
                                                                                     {"--script-seconds", "2.5"},
                                                                                     {"--script-seconds", "601"}})
        EXPECT_THROW(race::ParseRaceOptions(bad), race::RaceUsageError) << bad.back();
    for (const auto& [option, nearest] :
         {std::pair{"-display", ""}, {"--methds", "--methods"}, {"--Sound", "--sound"}}) {
        try {
            race::ParseRaceOptions({option});
            ADD_FAILURE() << option << " is taken";
        } catch (const race::UnknownRaceOption& unknown) {
            EXPECT_EQ(unknown.Nearest(), nearest) << option;
        }
    }
}

TEST(Race, BackUndoesTheClockForEveryMethodAlsoThoseThatHadFinished)
{
    race::Race race(sorting::MakeItems(20, 3, InitialOrder::Random));
    const auto state = [&] {
        std::vector<std::pair<std::vector<float>, std::uint64_t>> lanes;
        for (SortMethod m : race.Methods()) lanes.emplace_back(race.Lane(m).Items(), race.Lane(m).StepsDone());
        return lanes;
    };
    const auto start = state();
    race.Tick(150);
    const auto at150 = state();
    race.Tick(300);  // merge sort has finished, bubble sort not yet
    ASSERT_TRUE(race.Lane(SortMethod::Merge).Finished());
    ASSERT_FALSE(race.Lane(SortMethod::Bubble).Finished());
    race.Back(300);
    EXPECT_EQ(state(), at150);
    race.Back(151);
    EXPECT_EQ(state(), start);
    EXPECT_EQ(race.Clock(), 0u);
}

TEST_P(EveryMethodAndOrder, EveryItemStandsOnceOnItsPlaceInHandOrCopiedOut)
{
    for (std::int32_t count = 1; count <= 12; ++count) {
        const std::vector<float> items = sorting::MakeItems(count, 5, GetParam().order);
        std::vector<float> expected(items.begin() + 1, items.end());
        std::sort(expected.begin(), expected.end());
        Replay replay(race::Record(GetParam().method, items));
        const auto seen = [&] {
            std::vector<float> values;
            for (std::int32_t i = 1; i <= count; ++i)
                if (!replay.Vacated(i)) values.push_back(replay.Items()[static_cast<std::size_t>(i)]);
            if (const auto held = replay.Held()) values.push_back(held->value);
            for (const auto& copied : replay.CopiedOut()) values.push_back(copied.value);
            std::sort(values.begin(), values.end());
            return values;
        };
        for (; !replay.Finished(); replay.Advance(1)) ASSERT_EQ(seen(), expected) << "after " << replay.StepsDone();
        for (; replay.StepsDone() > 0; replay.Back(1)) ASSERT_EQ(seen(), expected) << "back at " << replay.StepsDone();
    }
}

TEST(CodeNotes, GiveAtEveryStepWhatTheLastNoteWrote)
{
    // Notes at every third step, changing one, two or none of three variables and the caller,
    // over enough notes to pass several of the points where all the values are kept.
    race::CodeNotes notes(3);
    std::vector<std::vector<float>> written;
    std::vector<int> callers;
    race::CodeNotes::Values now;
    now.fill(NAN);
    int caller = 0;
    for (std::uint64_t step = 0; step < 1000; ++step) {
        if (step % 3 == 0) {
            now[step % 2] = float(step);
            if (step % 7 == 0) now[2] = step % 14 == 0 ? NAN : float(step) / 2;
            if (step % 11 == 0) caller = int(step % 5);
            notes.Add(step, caller, now);
        }
        written.emplace_back(now.begin(), now.begin() + 3);
        callers.push_back(caller);
    }
    EXPECT_TRUE(race::CodeNotes(3).At(0).values.empty()) << "no note yet";
    for (std::uint64_t step = 999; step < 1000; --step) {
        const race::CodeNotes::Note note = notes.At(step);
        ASSERT_EQ(note.caller, callers[step]) << step;
        for (std::size_t v = 0; v < 3; ++v)
            ASSERT_TRUE(note.values[v] == written[step][v] ||
                        (std::isnan(note.values[v]) && std::isnan(written[step][v])))
                << "step " << step << ", variable " << v;
    }
}

TEST(Replay, AJumpLandsWhereSteppingLands)
{
    // Past the states the replay keeps every 65,536 steps: bubble's exchanges over 200,000
    // steps, and merge's moves to and from the scratch area.
    const auto seen = [](const Replay& replay) {
        std::ostringstream state;
        for (std::size_t i = 1; i < replay.Items().size(); ++i) {
            const auto place = static_cast<std::int32_t>(i);
            state << replay.Items()[i] << ':' << replay.Origin(place) << (replay.Vacated(place) ? "v " : " ");
        }
        if (const auto held = replay.Held()) state << "held " << held->at << '=' << held->value;
        for (const auto& copied : replay.CopiedOut()) state << " copied " << copied.at << '=' << copied.value;
        const sorting::SortCounts& counts = replay.CountsDone();
        state << " counts " << counts.comparisons << ' ' << counts.exchanges << ' ' << counts.moves << ' '
              << counts.merges << " step " << int(replay.LastStep().kind) << ' ' << replay.Line();
        return state.str();
    };
    for (SortMethod method : {SortMethod::Bubble, SortMethod::Merge}) {
        const std::vector<float> items =
            sorting::MakeItems(method == SortMethod::Bubble ? 400 : 2000, 3, sorting::InitialOrder::Random);
        Replay stepped(race::Record(method, items)), jumped(race::Record(method, items));
        const std::uint64_t total = stepped.TotalSteps();
        ASSERT_GT(total, 65'536u + 100) << sorting::MethodName(method);
        for (const std::uint64_t target :
             {total, total - 1, std::uint64_t{65'536}, std::uint64_t{65'535},
              std::min<std::uint64_t>(131'073, total - 2), std::uint64_t{3}, std::uint64_t{0}}) {
            stepped.SeekTo(target > stepped.StepsDone() ? stepped.StepsDone() : target);
            while (stepped.StepsDone() < target) stepped.Advance(1);
            jumped.SeekTo(target);
            ASSERT_EQ(seen(jumped), seen(stepped)) << sorting::MethodName(method) << " at " << target;
        }
    }
}
