// Merge sort as the window times it, against the same sort as the comparison tool times it and
// against the plain merge loop, on the same items, with each kernel: the window's own run command, controls and
// picture box in measure mode ("(sort in progress)" printed and shown, then the clock), under
// whatever Qt platform QT_QPA_PLATFORM names. The counters give the mean of each and the
// window's ratio to the other two.

#include "platform/monotonic_clock.h"
#include "desktop/picture_box.h"
#include "reference_sorts.h"
#include "run/run_command.h"
#include "sorting/initial_order.h"
#include "sorting/sort_method.h"
#include "window/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

#include <benchmark/benchmark.h>

namespace {

// The clock's two readings of the last run: the start and the end of what the time line covers.
double readings[2];
int readingsTaken = 0;

double RecordingClock()
{
    const double now = platform::Timer();
    readings[readingsTaken++ % 2] = now;
    return now;
}

double Seconds(void (*sort)(std::vector<float>&), std::vector<float> items)
{
    const double start = platform::Timer();
    sort(items);
    benchmark::ClobberMemory();
    return platform::Timer() - start;
}

void BM_WindowMerge(benchmark::State& state)
{
    const auto kernel = static_cast<sorting::Kernel>(state.range(1));
    if (!sorting::ForceKernel(kernel)) {
        state.SkipWithError(
            ("this processor cannot run the " + std::string(sorting::KernelName(kernel)) + " kernel").c_str());
        return;
    }
    window::Form1 form;
    form.show();
    QApplication::processEvents();
    form.findChild<QLineEdit*>("TextNum")->setText(QString::number(state.range(0)));
    form.findChild<QListWidget*>("SortChoice")->setCurrentRow(static_cast<int>(sorting::SortMethod::Merge));
    // A fixed seed, so that the window sorts the items the other two sort.
    form.findChild<QCheckBox*>("CheckSeed")->setChecked(true);
    form.findChild<QLineEdit*>("TextSeed")->setText("2026");
    // The window's own controls and picture box; only the clock is one that keeps its readings.
    run::RunCommand run(form, form, *form.findChild<desktop::PictureBox*>("Picture1"), RecordingClock);

    // Means, not the best: in the window the slow runs are the later ones, and the best of
    // several would hide them.
    double window = 0, tool = 0, plain = 0;
    for (auto _ : state) {
        readingsTaken = 0;
        run.ButtonRun_Click();
        QApplication::processEvents();
        const double seconds = readings[1] - readings[0];
        state.SetIterationTime(seconds);
        window += seconds;
        // The comparison tool's timed run: a copy of the same items, sorted with nobody watching.
        const std::vector<float> items =
            sorting::MakeItems(static_cast<std::int32_t>(state.range(0)), 2026, sorting::InitialOrder::Random);
        tool += Seconds(
            [](std::vector<float>& work) {
                sorting::NoObserver nobody;
                sorting::MergeSort(work, nobody);
            },
            items);
        plain += Seconds(
            [](std::vector<float>& work) {
                reference::Merge(work.data(), static_cast<std::ptrdiff_t>(work.size()) - 1);
            },
            items);
    }
    const auto runs = static_cast<double>(state.iterations());
    window /= runs, tool /= runs, plain /= runs;
    state.counters["window_ms"] = window * 1e3;
    state.counters["tool_ms"] = tool * 1e3;
    state.counters["plain_ms"] = plain * 1e3;
    state.counters["window_vs_tool"] = window / tool;
    state.counters["window_vs_plain"] = window / plain;
    state.SetLabel(QApplication::platformName().toStdString() + ", " + std::string(sorting::KernelName(kernel)) +
                   " kernel");
    sorting::ForceKernel(std::nullopt);
}

}  // namespace

// Each kernel of ours in turn; the portable one is plain SSE code, which slows down when the
// picture box's drawing leaves the upper halves of the vector registers in use.
BENCHMARK(BM_WindowMerge)
    ->ArgsProduct({{100000, 10000000},
                   {int(sorting::Kernel::Portable), int(sorting::Kernel::Avx2), int(sorting::Kernel::Avx512)}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
