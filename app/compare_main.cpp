// sorting-compare: the sorting methods across growing counts, as a table and a chart.

#include "desktop/quiet_qt.h"
#include "command_line/option_parser.h"
#include "compare/background_run.h"
#include "compare/chart_target.h"
#include "compare/compare_options.h"
#include "compare/comparison.h"
#include "compare/console.h"
#include "compare/every_order_report.h"
#include "compare/growth_chart.h"
#include "compare/interrupt_signals.h"
#include "platform/monotonic_clock.h"
#include "desktop/translations.h"
#include "platform/format_number.h"
#include "platform/run_time_error.h"
#include "platform/words.h"

#include <QGuiApplication>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <variant>

namespace {

const std::string kProgram = "sorting-compare";

// Draws the chart, if one was asked for, from the rows made so far; false when it failed.
bool WriteChart(const compare::CompareOptions& options, const std::vector<compare::Measurement>& rows,
                compare::Console& console)
{
    if (!options.chartPath) return true;
    try {
        compare::WriteGrowthChart(rows, *options.chartPath, options.chartOf, options.chartScale);
        return true;
    } catch (const std::exception& error) {
        console.Say(error.what());
        return false;
    }
}

// The options, or the exit status of a command line answered at once: help, the version, or
// a refusal in one line and a pointer to the help.
std::variant<compare::CompareOptions, int> ReadCommandLine(int argc, char* argv[])
{
    compare::CompareOptions options;
    try {
        options = compare::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.chartPath)
            if (const auto problem = compare::ChartTargetProblem(*options.chartPath))
                throw compare::UsageError(
                    platform::Fill(platform::Words("compare", "cannot write the chart: %1"), {*problem}));
    } catch (const compare::UsageError& error) {
        std::cerr << command_line::Refusal(kProgram, error.what());
        return 2;
    }
    if (options.help) std::cout << compare::UsageText(kProgram);
    if (options.version) std::cout << kProgram << " " SORTING_VERSION "\n";
    if (options.help || options.version) return 0;
    return options;
}

// Runs the comparison on a worker thread, writing each row as it comes, until it ends or a
// signal ends the program; the exit status.
int RunAndReport(const compare::CompareOptions& options, compare::Comparison& comparison)
{
    const compare::InterruptSignals interrupts;
    compare::Console console(options, kProgram, !options.quiet && isatty(STDERR_FILENO) != 0,
                             platform::RegionalNumberFormat().decimalSeparator);
    console.Heading();
    std::vector<compare::Measurement> rows;
    compare::BackgroundRun background(comparison);
    for (bool finished = false; !finished;) {
        pollfd waits[2] = {{background.WakeDescriptor(), POLLIN, 0}, {interrupts.Descriptor(), POLLIN, 0}};
        poll(waits, 2, 200);
        // The rows done before a signal are still written whole.
        for (const auto& event : background.TakeEvents()) {
            using Kind = compare::BackgroundRun::Event::Kind;
            if (event.kind == Kind::RunStarting) console.RunStarting(*event.plan, platform::Timer());
            if (event.kind == Kind::PassStarting) console.PassStarting(event.pass);
            if (event.kind == Kind::RowDone) {
                rows.push_back(*event.row);
                console.Row(*event.row);
            }
            finished = finished || event.kind == Kind::Finished;
        }
        if (const int signal = interrupts.Caught()) {
            // The sort under way is left to itself; nothing waits for it.
            console.Say(
                platform::Fill(platform::Words("compare", "interrupted by %1 %2; %3"),
                               {signal == SIGINT ? "SIGINT" : "SIGTERM", console.Current(),
                                platform::Words("compare", "%n row(s) complete", nullptr, console.RowsWritten())}));
            WriteChart(options, rows, console);
            std::fflush(stdout);
            std::_Exit(128 + signal);
        }
        console.Redraw(platform::Timer());
    }
    console.ClearProgress();
    const bool charted = WriteChart(options, rows, console);
    const bool made = std::any_of(rows.begin(), rows.end(), [](const auto& m) { return m.Made(); });
    const bool failed = std::any_of(rows.begin(), rows.end(), [](const auto& m) { return m.failure.has_value(); });
    if (!made) console.Say(platform::Words("compare", "no run was made"));
    return !charted || !made || failed ? 1 : 0;
}

// Each method on every order of each count, a row as each is done, then the chart if asked.
int ReportEveryOrder(const compare::CompareOptions& options)
{
    const std::string decimal = platform::RegionalNumberFormat().decimalSeparator;
    std::cout << (options.csv ? compare::EveryOrderCsvHeading() : compare::EveryOrderHeading()) << std::flush;
    std::vector<compare::EveryOrderRow> rows;
    for (sorting::SortMethod method : options.methods)
        for (std::int32_t count : options.counts) {
            rows.push_back(compare::EveryOrder(method, count));
            std::cout << (options.csv ? compare::EveryOrderCsvRow(rows.back())
                                      : compare::EveryOrderTableRow(rows.back(), decimal))
                      << std::flush;
        }
    bool charted = true;
    if (options.chartPath) try {
            compare::WriteEveryOrderChart(rows, *options.chartPath, options.chartOf, options.chartScale);
        } catch (const std::exception& error) {
            std::cerr << kProgram << ": " << error.what() << "\n";
            charted = false;
        }
    const bool sorted = std::all_of(rows.begin(), rows.end(), [](const auto& row) { return row.inOrder; });
    return sorted && charted ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    desktop::KeepQtQuiet();
    // The user's way of writing numbers for the table and the messages (CSV has its own), and
    // the user's language for every word.
    std::setlocale(LC_ALL, "");
    const desktop::Translations translations;
    const auto read = ReadCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&read)) return *status;
    const auto& options = std::get<compare::CompareOptions>(read);

    compare::Comparison comparison(options, platform::Timer);
    try {
        comparison.RequireMemory(platform::SystemMemory());
    } catch (const platform::RunTimeError& error) {
        std::cerr << kProgram << ": " << error.detail() << "\n";
        return 2;
    }
    // The chart is drawn off screen: the tool needs no display.
    std::unique_ptr<QGuiApplication> drawing;
    if (options.chartPath) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        drawing = std::make_unique<QGuiApplication>(argc, argv);
    }
    if (options.everyOrder) return ReportEveryOrder(options);
    return RunAndReport(options, comparison);
}
