#include "compare/compare_options.h"

#include "platform/option_reader.h"
#include "platform/run_time_error.h"
#include "platform/split_text.h"
#include "platform/val.h"
#include "sorting/method_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace compare {
namespace {

std::vector<std::string> SplitList(const std::string& text) { return platform::SplitText(text, ','); }

template <typename Number>
Number ParseNumber(const std::string& text, const std::string& what)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        throw UsageError(what + " must be a number, not \"" + text + "\"");
    return value;
}

double ParseSeconds(const std::string& text, const std::string& what)
{
    const double seconds = ParseNumber<double>(text, what);
    if (!(seconds > 0) || !std::isfinite(seconds)) throw UsageError(what + " must be a positive number of seconds");
    return seconds;
}

std::int32_t ParseCount(const std::string& text)
{
    const auto count = ParseNumber<std::int64_t>(text, "a count");
    if (count < 1 || count > 2147483647) throw UsageError("a count must be from 1 to 2147483647, not " + text);
    return static_cast<std::int32_t>(count);
}

std::vector<sorting::InitialOrder> ParseOrders(const std::string& list)
{
    if (list == "all") return {sorting::kInitialOrders.begin(), sorting::kInitialOrders.end()};
    std::vector<sorting::InitialOrder> orders;
    for (const std::string& name : SplitList(list)) {
        const std::optional<sorting::InitialOrder> order = sorting::OrderNamed(name);
        if (!order) {
            std::string known;
            for (sorting::InitialOrder o : sorting::kInitialOrders)
                known += (known.empty() ? "" : ", ") + std::string(sorting::OrderName(o));
            throw UsageError("unknown order \"" + name + "\" (choose from " + known + ", or all)");
        }
        if (std::find(orders.begin(), orders.end(), *order) == orders.end()) orders.push_back(*order);
    }
    if (orders.empty()) throw UsageError("--orders needs at least one order");
    return orders;
}

std::vector<std::int32_t> Doubling(std::int32_t from, std::int32_t to)
{
    if (from > to) throw UsageError("--from must not be above --to");
    std::vector<std::int32_t> counts;
    for (std::int64_t count = from; count <= to; count *= 2) counts.push_back(static_cast<std::int32_t>(count));
    return counts;
}

}  // namespace

CompareOptions ParseOptions(const std::vector<std::string>& arguments)
{
    CompareOptions options;
    std::int32_t from = 500, to = 1024000;
    std::optional<std::vector<std::int32_t>> listed;
    bool rangeGiven = false;

    platform::OptionReader<UsageError> reader(arguments);
    while (reader.Next()) {
        const std::string& option = reader.Option();
        const auto value = [&reader]() -> const std::string& { return reader.Value(); };
        if (option == "-h" || option == "--help") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--methods") {
            options.methods = sorting::ParseMethodOption<UsageError>(value());
        } else if (option == "--orders") {
            options.orders = ParseOrders(value());
        } else if (option == "--counts") {
            listed.emplace();
            for (const std::string& count : SplitList(value())) listed->push_back(ParseCount(count));
            if (listed->empty()) throw UsageError("--counts needs at least one count");
        } else if (option == "--from") {
            from = ParseCount(value());
            rangeGiven = true;
        } else if (option == "--to") {
            to = ParseCount(value());
            rangeGiven = true;
        } else if (option == "--seed") {
            options.seed = value();
            try {
                platform::Val(*options.seed);
            } catch (const platform::RunTimeError&) {
                throw UsageError("the seed \"" + *options.seed + "\" is beyond the range of numbers");
            }
        } else if (option == "--budget") {
            options.budgetSeconds = ParseSeconds(value(), "the budget");
        } else if (option == "--max-seconds") {
            options.maxSeconds = ParseSeconds(value(), "the limit");
        } else if (option == "--repeat") {
            options.repeat = ParseNumber<int>(value(), "the repeat count");
            if (options.repeat < 1) throw UsageError("the repeat count must be 1 or more");
            options.repeatGiven = true;
        } else if (option == "--quiet") {
            options.quiet = true;
        } else if (option == "--csv") {
            options.csv = true;
        } else if (option == "--chart") {
            const std::string& path = value();
            const bool known = path.ends_with(".svg") || path.ends_with(".png");
            if (!known) throw UsageError("the chart's file name must end in .svg or .png");
            options.chartPath = path;
        } else {
            throw UsageError("unknown option \"" + option + "\"");
        }
    }
    if (listed && rangeGiven) throw UsageError("give either --counts or --from/--to, not both");
    options.counts = listed ? *listed : Doubling(from, to);
    std::sort(options.counts.begin(), options.counts.end());
    options.counts.erase(std::unique(options.counts.begin(), options.counts.end()), options.counts.end());
    return options;
}

std::string UsageText(const std::string& program)
{
    std::string orders;
    for (sorting::InitialOrder order : sorting::kInitialOrders) {
        std::string name(sorting::OrderName(order));
        name.resize(15, ' ');
        orders += "    " + name + std::string(sorting::OrderDescription(order)) + "\n";
    }
    return "Usage: " + program + R"( [options]
Sorts items with each method at growing counts and reports the time of the sort alone, the
comparisons, exchanges, merges and item moves, and whether the result is in order. Each row
is written as soon as its run is done. Before each run its time is estimated, from the
method's earlier runs or from a short calibration; a run estimated to take longer than
--max-seconds is not started: its row says "skipped", with the estimate, and the method
stops growing. Ctrl-C ends the program at once, with the rows so far (and the chart, if
asked for) complete.

With no options, the seven methods sort random items at doubling counts from 500 up to
1024000, each stopping after a run longer than a second; that takes well under half a
minute.

  --methods LIST   methods to compare, from selection, insertion, bubble, merge, shell, heap
                   and quick, or all (default: all)
  --orders LIST    how the items stand before the sort, from the orders below, or all
                   (default: random)
)" + orders +
           R"(  --counts LIST    the counts to run, such as 1000,5000,20000
  --from N --to M  a doubling series of counts from N up to M (default: 500 to 1024000)
  --seed S         fix the random seed, as "Fix Random Seed" does (default: from the clock)
  --budget SECS    a method stops growing after a run (its timed runs and its counting run)
                   longer than this (default: 1)
  --max-seconds S  a run estimated to take longer than this is skipped (default: 60)
  --repeat K       time each run K times and keep the best (default: 3, but a sort longer
                   than a second is not repeated)
  --csv            write CSV instead of the aligned table
  --chart FILE     also draw time against count, log-log, into FILE (.svg or .png)
  --quiet          no progress line on standard error
  -h, --help       show this text
  --version        show the program's version

Exit status: 0 when at least one run was made, 1 when none was, 2 for a command line that
cannot be followed, 130 or 143 when interrupted by SIGINT or SIGTERM.
)";
}

}  // namespace compare
