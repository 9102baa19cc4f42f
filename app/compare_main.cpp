// sorting-compare: the four sorting methods across growing counts, as a table and a chart.

#include "compare/compare_options.h"
#include "compare/comparison.h"
#include "compare/growth_chart.h"
#include "compare/report.h"
#include "platform/monotonic_clock.h"
#include "platform/run_time_error.h"

#include <QGuiApplication>

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace {

void ShowProgress(sorting::SortMethod method, sorting::InitialOrder order, std::int32_t count, double elapsed)
{
    std::fprintf(stderr, "\r%-10s %-14s %12d items   %7.1f s elapsed ", std::string(sorting::MethodName(method)).c_str(),
                 std::string(sorting::OrderName(order)).c_str(), count, elapsed);
    std::fflush(stderr);
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string program = argc > 0 ? argv[0] : "sorting-compare";
    compare::CompareOptions options;
    try {
        options = compare::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const compare::UsageError& error) {
        std::cerr << program << ": " << error.what() << "\n\n" << compare::UsageText(program);
        return 2;
    }
    if (options.help) {
        std::cout << compare::UsageText(program);
        return 0;
    }
    if (options.version) {
        std::cout << "sorting-compare " SORTING_VERSION "\n";
        return 0;
    }

    compare::Comparison comparison(options, platform::Timer);
    try {
        comparison.RequireMemory(platform::SystemMemory());
    } catch (const platform::RunTimeError& error) {
        std::cerr << program << ": " << error.detail() << "\n";
        return 2;
    }

    const bool terminal = isatty(STDERR_FILENO) != 0;
    const std::vector<compare::Measurement> measurements =
        comparison.Run(terminal ? compare::Comparison::Progress(ShowProgress) : compare::Comparison::Progress());
    if (terminal) std::fputs("\r\033[K", stderr);

    std::cout << (options.csv ? compare::FormatCsv(measurements) : compare::FormatTable(measurements));

    if (options.chartPath) {
        // The chart is drawn off screen: the tool needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        try {
            compare::WriteGrowthChart(measurements, *options.chartPath);
        } catch (const std::exception& error) {
            std::cerr << program << ": " << error.what() << "\n";
            return 1;
        }
    }
    return 0;
}
