// A jump of the race to its last step and back to its first, with every method on 2,000
// random items: the slider and Home and End of a race that has millions of steps. The goal is
// 100 ms for the pair.

#include "race/race.h"
#include "sorting/initial_order.h"

#include <benchmark/benchmark.h>

namespace {

void JumpToTheEndAndBack(benchmark::State& state)
{
    const std::vector<float> items = sorting::MakeItems(2000, 1, sorting::InitialOrder::Random);
    race::Race race(items, {sorting::kAllMethods.begin(), sorting::kAllMethods.end()});
    for (auto _ : state) {
        race.JumpTo(race.Longest());
        race.JumpTo(0);
        benchmark::DoNotOptimize(race.Clock());
    }
    state.counters["steps"] = static_cast<double>(race.Longest());
}

// A jump to a step in the middle of every kept state, the farthest a jump goes on from one.
void JumpAcrossTheRace(benchmark::State& state)
{
    const std::vector<float> items = sorting::MakeItems(2000, 1, sorting::InitialOrder::Random);
    race::Race race(items, {sorting::kAllMethods.begin(), sorting::kAllMethods.end()});
    const std::uint64_t tenth = race.Longest() / 10;
    std::uint64_t to = 0;
    for (auto _ : state) {
        to = (to + 7 * tenth + 32'768) % race.Longest();
        race.JumpTo(to);
        benchmark::DoNotOptimize(race.Clock());
    }
}

}  // namespace

BENCHMARK(JumpToTheEndAndBack)->Unit(benchmark::kMillisecond);
BENCHMARK(JumpAcrossTheRace)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
