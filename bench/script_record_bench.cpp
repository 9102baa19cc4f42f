// A student's insertion sort recorded on 2,000 random items, its lines and numbers with every
// step, as the race records it: the goal is a few seconds. And the memory of a race of every
// method and two such scripts: the goal is under 300 MB resident.

#include "race/race.h"
#include "script/script_process.h"
#include "sorting/initial_order.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

const std::vector<float> kItems = sorting::MakeItems(2000, 1, sorting::InitialOrder::Random);

script::ScriptFile Insertion() { return script::ReadScriptFile(SORTING_BENCH_SCRIPTS "/insertion_sort.py"); }

void RecordAStudentsInsertionSort(benchmark::State& state)
{
    if (!script::PythonAvailable()) return state.SkipWithError("no /usr/bin/python3");
    const script::ScriptFile file = Insertion();
    std::uint64_t steps = 0;
    for (auto _ : state) steps = race::RecordScript(file, kItems).TotalSteps();
    state.counters["steps"] = static_cast<double>(steps);
}

void RaceEveryMethodAndTwoScripts(benchmark::State& state)
{
    if (!script::PythonAvailable()) return state.SkipWithError("no /usr/bin/python3");
    const script::ScriptFile file = Insertion();
    for (auto _ : state) {
        std::vector<race::Recording> scripts;
        for (int s = 0; s < 2; ++s) scripts.push_back(race::RecordScript(file, kItems));
        race::Race race(kItems, {sorting::kAllMethods.begin(), sorting::kAllMethods.end()}, std::move(scripts));
        race.JumpTo(race.Longest());
        benchmark::DoNotOptimize(race.Clock());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

BENCHMARK(RecordAStudentsInsertionSort)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(RaceEveryMethodAndTwoScripts)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
