#include "compare/compare_options.h"

#include "command_line/method_list.h"
#include "command_line/name_list.h"
#include "command_line/option_parser.h"
#include "command_line/script_option.h"
#include "compare/every_order.h"
#include "platform/run_time_error.h"
#include "platform/val.h"
#include "platform/words.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace compare {
namespace {

using platform::Fill;
using platform::Words;

template <typename Number>
Number ParseNumber(const std::string& text, const std::string& what)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        throw UsageError(Fill(Words("compare", "%1 must be a number, not \"%2\""), {what, text}));
    return value;
}

double ParseSeconds(const std::string& text, const std::string& what)
{
    const double seconds = ParseNumber<double>(text, what);
    if (!(seconds > 0) || !std::isfinite(seconds))
        throw UsageError(Fill(Words("compare", "%1 must be a positive number of seconds"), {what}));
    return seconds;
}

std::int32_t ParseCount(const std::string& text)
{
    const auto count = ParseNumber<std::int64_t>(text, Words("compare", "a count"));
    if (count < 1 || count > 2147483647)
        throw UsageError(Fill(Words("compare", "a count must be from 1 to 2147483647, not %1"), {text}));
    return static_cast<std::int32_t>(count);
}

std::vector<std::int32_t> Doubling(std::int32_t from, std::int32_t to)
{
    if (from > to) throw UsageError(Words("compare", "--from must not be above --to"));
    std::vector<std::int32_t> counts;
    for (std::int64_t count = from; count <= to; count *= 2) counts.push_back(static_cast<std::int32_t>(count));
    return counts;
}

std::string SeedOption(const std::string& seed)
{
    try {
        platform::Val(seed);
    } catch (const platform::RunTimeError&) {
        throw UsageError(Fill(Words("compare", "the seed \"%1\" is beyond the range of numbers"), {seed}));
    }
    return seed;
}

std::string ChartOption(const std::string& path)
{
    if (!path.ends_with(".svg") && !path.ends_with(".png"))
        throw UsageError(Words("compare", "the chart's file name must end in .svg or .png"));
    return path;
}

ChartOf ChartOfOption(const std::string& figure)
{
    if (figure == "seconds") return ChartOf::Seconds;
    if (figure == "comparisons") return ChartOf::Comparisons;
    if (figure == "moves") return ChartOf::Moves;
    throw UsageError(Fill(Words("compare", "the chart shows seconds, comparisons or moves, not \"%1\""), {figure}));
}

ChartScale ScaleOption(const std::string& scale)
{
    if (scale == "log") return ChartScale::Log;
    if (scale == "linear") return ChartScale::Linear;
    throw UsageError(Fill(Words("compare", "the scale is log or linear, not \"%1\""), {scale}));
}

// The counts asked for: a list, or a doubling series.
struct CountsAsked {
    std::int32_t from = 500, to = 1024000;
    std::optional<std::vector<std::int32_t>> listed;
    bool rangeGiven = false;

    void List(const std::string& text)
    {
        listed.emplace();
        for (const std::string& count : command_line::ListEntries(text)) {
            // "1,000" is a thousand written with its separator, not the counts 1 and 0.
            const bool thousands = !listed->empty() && count.size() == 3 && count.front() == '0' &&
                                   count.find_first_not_of("0123456789") == std::string::npos;
            if (thousands)
                throw UsageError(Words("compare", "counts are written without thousands separators: 1000, not 1,000"));
            listed->push_back(ParseCount(count));
        }
        if (listed->empty()) throw UsageError(Words("compare", "--counts needs at least one count"));
    }
    // Ascending, each once.
    std::vector<std::int32_t> Counts() const
    {
        if (listed && rangeGiven) throw UsageError(Words("compare", "give either --counts or --from/--to, not both"));
        std::vector<std::int32_t> counts = listed ? *listed : Doubling(from, to);
        std::sort(counts.begin(), counts.end());
        counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
        return counts;
    }
};

void DeclareCountOptions(command_line::OptionParser& parser, CountsAsked& counts)
{
    parser.Take("--counts", [&](const std::string& list) { counts.List(list); });
    parser.Take("--from", [&](const std::string& n) {
        counts.from = ParseCount(n);
        counts.rangeGiven = true;
    });
    parser.Take("--to", [&](const std::string& n) {
        counts.to = ParseCount(n);
        counts.rangeGiven = true;
    });
}

void DeclareRunOptions(command_line::OptionParser& parser, CompareOptions& options)
{
    parser.Take("--methods", [&](const std::string& list) { options.methods = command_line::ParseMethodList(list); });
    parser.Take("--orders", [&](const std::string& list) {
        options.everyOrder = list == "every";
        if (!options.everyOrder) options.orders = command_line::ParseOrderList(list);
    });
    parser.Take("--seed", [&](const std::string& seed) { options.seed = SeedOption(seed); });
    parser.Take("--script",
                [&](const std::string& path) { options.scripts.push_back(command_line::ScriptOption(path)); });
    parser.Flag("--unprotected", [&] { options.unprotected = true; });
    parser.Take("--budget",
                [&](const std::string& s) { options.budgetSeconds = ParseSeconds(s, Words("compare", "the budget")); });
    parser.Take("--max-seconds",
                [&](const std::string& s) { options.maxSeconds = ParseSeconds(s, Words("compare", "the limit")); });
    parser.Take("--repeat", [&](const std::string& k) {
        options.repeat = ParseNumber<int>(k, Words("compare", "the repeat count"));
        if (options.repeat < 1) throw UsageError(Words("compare", "the repeat count must be 1 or more"));
        options.repeatGiven = true;
    });
}

void DeclareOutputOptions(command_line::OptionParser& parser, CompareOptions& options, std::optional<ChartOf>& chartOf)
{
    parser.Flag("--quiet", [&] { options.quiet = true; });
    parser.Flag("--csv", [&] { options.csv = true; });
    parser.Flag("--wide", [&] { options.wide = true; });
    parser.Take("--chart", [&](const std::string& path) { options.chartPath = ChartOption(path); });
    parser.Take("--chart-of", [&](const std::string& figure) { chartOf = ChartOfOption(figure); });
    parser.Take("--scale", [&](const std::string& scale) { options.chartScale = ScaleOption(scale); });
}

// Every order of n items is n! runs: from 2 to 10 items, and no student's script, which would
// start a process for each.
void RequireEveryOrderFits(const CompareOptions& options)
{
    if (options.counts.front() < 2 || options.counts.back() > kMostItemsOfEveryOrder)
        throw UsageError(Fill(Words("compare", "--orders every takes counts from 2 to %1"),
                              {std::to_string(kMostItemsOfEveryOrder)}));
    if (!options.scripts.empty()) throw UsageError(Words("compare", "--orders every does not go with --script"));
}

}  // namespace

CompareOptions ParseOptions(const std::vector<std::string>& arguments)
{
    CompareOptions options;
    CountsAsked counts;
    command_line::OptionParser parser;
    DeclareCountOptions(parser, counts);
    DeclareRunOptions(parser, options);
    std::optional<ChartOf> chartOf;
    DeclareOutputOptions(parser, options, chartOf);
    parser.Parse(arguments);
    options.help = parser.HelpAsked();
    options.version = parser.VersionAsked();
    if (options.everyOrder && !counts.listed && !counts.rangeGiven) counts.from = 2, counts.to = 8;
    options.counts = counts.Counts();
    options.countsListed = counts.listed.has_value();
    if (options.everyOrder) RequireEveryOrderFits(options);
    if (!options.help && !options.version) command_line::RequireProtection(options.scripts, options.unprotected);
    // Every order is counted, not timed: its chart shows the comparisons unless told the moves.
    if (options.everyOrder && chartOf == ChartOf::Seconds)
        throw UsageError(Words("compare", "--orders every counts and does not time: chart its comparisons or moves"));
    options.chartOf = chartOf.value_or(options.everyOrder ? ChartOf::Comparisons : ChartOf::Seconds);
    return options;
}

std::string UsageText(const std::string& program)
{
    // The columns of the help stand where they stand in every language: a translation keeps
    // its lines within 80 characters.
    return Fill(Words("compare", "Usage: %1 [options]\n"), {program}) +
           Words("compare", R"(Sorts items with each method at growing counts and reports the time of the
sort alone, the comparisons, exchanges, merges and item moves, and whether the
result is in order. Each row is written as soon as its run is done.

Before each run its time is estimated, from the method's earlier runs or from
a short calibration; a run estimated to take longer than --max-seconds is not
started, and its row says "skipped" with the estimate. In a doubling series
(--from, --to) a method also stops growing after a run longer than --budget,
with a skipped row saying so; the counts of --counts are each run. Ctrl-C ends
the program at once, with the rows so far (and the chart) complete.

With no options, every method sorts random items at doubling counts from 500
to 1024000, each stopping after a run longer than a second.

)") + Words("compare", "  --methods LIST   the methods to compare, from these, or all (default: all):\n") +
           command_line::MethodGlossary() +
           Words("compare",
                 "  --orders LIST    how the items stand before the sort, from these, or all\n"
                 "                   (default: random):\n") +
           command_line::OrderGlossary() +
           Words("compare", R"(                   or every: each of the n! orders of n distinct items, at
                   counts from 2 to 10 (default: 2 to 8); the fewest, mean and
                   most of each figure, with a worst and a best order
)") + Words("compare", R"(  --counts LIST    the counts to run, such as 1000,5000,20000
  --from N         a doubling series of counts from N (default: 500) ...
  --to M           ... up to M (default: 1024000)
  --seed S         fix the random seed, as "Fix Random Seed" does (default: a
                   seed from the clock)
  --script FILE    also a sort of your own: FILE defines sort(a) in Python 3,
                   and is counted as the methods are, a row at each count and
                   order (given more than once, a row for each); its seconds
                   are Python's. It runs in /usr/bin/python3, in a sandbox
                   (bubblewrap, or else the kernel's Landlock), unable to start
                   a program, connect, or change a file. Its a[0] is item 1 in
                   the messages, as places count from 1 here
  --unprotected    run the scripts where no sandbox works here: they can then
                   read whatever you can
  --budget SECS    in a series, a method stops growing after a run (its timed
                   runs and its counting run) longer than this (default: 1)
  --max-seconds S  a run estimated to take longer than this is skipped
                   (default: 60)
  --repeat K       time each run K times and keep the best (default: 3; a sort
                   longer than a second is then timed once)
  --csv            write CSV instead of the aligned table
)") + Words("compare", R"(  --wide           every column in the table: also the exchanges, the merges,
                   the reads and whether equal items kept their order
)") + Words("compare", R"(  --chart FILE     also draw a chart of the rows into FILE (.svg, .png)
  --chart-of WHAT  what the chart shows against the count: seconds,
                   comparisons or moves (default: seconds); a script's rows
                   are drawn where it shows a count
  --scale SCALE    log (log-log, the default) or linear axes
)") + Words("compare", R"(  --quiet          no progress line on standard error
  -h, --help       show this text
  --version        show the program's version

Exit status: 0 when at least one run was made, 1 when none was or a script
failed, 2 for a command line that cannot be followed, 130 or 143 when
interrupted by SIGINT or SIGTERM.

)") +
           Fill(Words("compare", R"(Examples:
  %1 --seed 1 --chart growth.png
      every method's growth on random items, as a table and a chart
  %1 --orders all --counts 1000,4000,16000 --seed 1
      each method on each initial order of the items
  %1 --methods merge --counts 10000000 --repeat 1
      one method at a big count
)"),
                {program});
}

}  // namespace compare
