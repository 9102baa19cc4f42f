#pragma once

#include "command_line/usage_error.h"
#include "script/script_file.h"
#include "sorting/initial_order.h"
#include "sorting/sort_method.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace compare {

// What the chart shows up its side, and how both its axes are scaled.
enum class ChartOf { Seconds, Comparisons, Moves };
enum class ChartScale { Log, Linear };

// What the comparison tool is asked to do.
struct CompareOptions {
    std::vector<sorting::SortMethod> methods{sorting::kAllMethods.begin(), sorting::kAllMethods.end()};
    std::vector<sorting::InitialOrder> orders{sorting::InitialOrder::Random};
    bool everyOrder = false;                  // each of the n! orders of n distinct items, for n up to 10
    std::vector<script::ScriptFile> scripts;  // students' sorts, each a row beside the methods
    bool unprotected = false;                 // the scripts may run where no sandbox works
    std::vector<std::int32_t> counts;         // ascending
    bool countsListed = false;                // given one by one, not as a doubling series
    std::optional<std::string> seed;          // as typed; none: seeded from the clock
    double budgetSeconds = 1.0;
    double maxSeconds = 60.0;  // the longest run that is started, by its estimate
    int repeat = 3;
    bool repeatGiven = false;  // asked for: every run is repeated, however long
    bool csv = false;
    bool wide = false;  // every column in the table
    bool quiet = false;
    std::optional<std::string> chartPath;
    ChartOf chartOf = ChartOf::Seconds;
    ChartScale chartScale = ChartScale::Log;
    bool help = false;
    bool version = false;
};

using command_line::UsageError;

CompareOptions ParseOptions(const std::vector<std::string>& arguments);

std::string UsageText(const std::string& program);

}  // namespace compare
