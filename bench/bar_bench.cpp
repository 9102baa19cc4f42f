// The cost of one animated bar with a delay of 0 (two boxes, the refresh of what changed, the
// loop test) on the shown picture box, under whatever Qt platform QT_QPA_PLATFORM names; and
// the rate of the delay loop.

#include "animation/animation_delay.h"
#include "animation/bar_chart.h"
#include "bench_controls.h"
#include "desktop/picture_box.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_OneBar(benchmark::State& state)
{
    desktop::PictureBox picture;
    picture.resize(505, 313);
    picture.show();
    QApplication::processEvents();
    BenchControls settings;
    animation::BarChart chart(picture, settings);
    const auto numItems = static_cast<std::int32_t>(state.range(0));
    chart.PrepareBarChart(numItems);
    std::vector<float> theArray(static_cast<std::size_t>(numItems) + 1);
    for (std::size_t i = 1; i < theArray.size(); ++i) theArray[i] = static_cast<float>(i % 97) / 97.0f;

    std::int32_t bar = 1;
    for (auto _ : state) {
        // Each bar alternates between two heights, so every draw changes pixels.
        theArray[static_cast<std::size_t>(bar)] = 1.0f - theArray[static_cast<std::size_t>(bar)];
        chart.DrawBars(theArray, bar, bar);
        bar = bar == numItems ? 1 : bar + 1;
    }
    state.SetLabel(QApplication::platformName().toStdString());
}

void BM_DelayLoop(benchmark::State& state)
{
    for (auto _ : state) animation::BusyWait(static_cast<std::int32_t>(state.range(0)));
    // Shown per second: 3.6G/s is 3,600 iterations a microsecond.
    state.counters["delay_iterations"] = benchmark::Counter(
        static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_OneBar)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayLoop)->Arg(1000000)->Unit(benchmark::kMicrosecond);
