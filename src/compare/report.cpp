#include "compare/report.h"

#include "platform/format_number.h"
#include "platform/words.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace compare {
namespace {

using platform::Fill;
using platform::Words;

// As CSV names the columns; the table says them in the user's language.
constexpr std::array<const char*, kColumns> kHeadings{
    SORTING_WORDS("compare", "method"),  SORTING_WORDS("compare", "order"),       SORTING_WORDS("compare", "count"),
    SORTING_WORDS("compare", "seconds"), SORTING_WORDS("compare", "comparisons"), SORTING_WORDS("compare", "exchanges"),
    SORTING_WORDS("compare", "merges"),  SORTING_WORDS("compare", "moves"),       SORTING_WORDS("compare", "in order"),
    SORTING_WORDS("compare", "reads"),   SORTING_WORDS("compare", "stable")};
constexpr const char* kGrowthHeading = SORTING_WORDS("compare", "per 2\u00d7");
constexpr const char* kNoteHeading = SORTING_WORDS("compare", "note");
// In CSV the note comes after these, and the columns added since then after it, so that the
// earlier columns keep their places.
constexpr std::size_t kBeforeNote = 9;

// A row's cells under the headings, its note, and in the table its growth.
struct RowFields {
    std::vector<std::string> cells;
    std::string note;
    std::string growth{};

    const std::string& Cell(std::size_t column) const { return column == kGrowthColumn ? growth : cells[column]; }
};

std::size_t Digits(std::uint64_t n) { return std::to_string(n).size(); }

// Nine decimals with a point in CSV; six in the table, with the user's decimal sign.
std::string Seconds(double seconds, const std::string* tableDecimal)
{
    if (tableDecimal) return platform::FormatNumber(seconds, 6, {*tableDecimal, ""});
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, 9);
    return error == std::errc{} ? std::string(text, end) : std::string();  // no time, rather than half a number
}

std::string Yes() { return Words("compare", "yes"); }
std::string No() { return Words("compare", "no"); }
// Said aloud: a result out of order is the one thing a row must not hide.
std::string NotInOrder() { return Words("compare", "NO"); }

// Why a row was skipped: its estimate over the limit, or the budget spent before it.
std::string SkipNote(const Measurement& m, const std::string& decimal)
{
    if (!m.overBudget) return AboutDuration(*m.skipped);
    return Fill(Words("compare", "budget spent: %2 s at %1, timed and counting"),
                {std::to_string(m.overBudget->count), platform::FormatNumber(m.overBudget->seconds, 1, {decimal, ""})});
}

// The cells under the headings, then the note: in the table's words and numbers, or, with
// no table decimal sign, CSV's.
RowFields Fields(const Measurement& m, const std::string* tableDecimal)
{
    std::optional<platform::WordsAsWritten> english;
    if (!tableDecimal) english.emplace();
    std::vector<std::string> cells{m.lane.Title(), sorting::OrderTitle(m.order), std::to_string(m.count)};
    if (m.skipped || m.failure) {
        const std::string none = tableDecimal ? "-" : "";
        const std::string what = m.failure ? Words("compare", "failed") : Words("compare", "skipped");
        cells.insert(cells.end(), {tableDecimal ? what : "", none, none, none, none, none, none, none});
        const std::string note = m.failure ? *m.failure : SkipNote(m, tableDecimal ? *tableDecimal : ".");
        return {cells, tableDecimal ? note : what + ": " + note};
    }
    cells.insert(cells.end(),
                 {Seconds(m.seconds, tableDecimal), std::to_string(m.counts.comparisons),
                  std::to_string(m.counts.exchanges), std::to_string(m.counts.merges), std::to_string(m.counts.moves),
                  m.inOrder ? Yes() : NotInOrder(), std::to_string(m.counts.reads),
                  !m.stable   ? "-"
                  : *m.stable ? Yes()
                              : No()});
    const std::string growth =
        m.growth && tableDecimal ? "\u00d7" + platform::FormatNumber(*m.growth, 2, {*tableDecimal, ""}) : "";
    // Python's seconds, the tracing of every step in them: not to be set beside the methods'.
    const std::string python = tableDecimal ? Words("compare", "Python's seconds")
                                            : Words("compare", "seconds in Python, every step reported");
    return {cells, m.lane.IsScript() ? python : "", growth};
}

std::string Line(const RowFields& fields, const TableLayout& layout, bool made = true)
{
    std::string line;
    for (std::size_t column : layout.shown) {
        const std::string& cell = fields.Cell(column);
        const std::size_t width = platform::TextWidth(cell);
        const std::string pad(layout.widths[column] > width ? layout.widths[column] - width : 0, ' ');
        // The method and the order stand left; the numbers and the verdict stand right, a
        // blank apart, so that the table fits 100 columns in every language.
        line += column == 0 ? cell + pad : column == 1 ? "  " + cell + pad : " " + pad + cell;
        // A row not made says why right after it says so, where its figures would stand.
        if (!made && column == 3) break;
    }
    if (!fields.note.empty()) line += "  " + fields.note;
    return line + "\n";
}

// Quoted where it holds a comma, a quote or a line break, as a script's name or message may.
std::string CsvField(const std::string& field)
{
    if (field.find_first_of(",\"\n\r") == std::string::npos) return field;
    std::string quoted(1, '"');
    for (char c : field) {
        if (c == '"') quoted.push_back('"');  // a quote doubled
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

std::string CsvLine(const RowFields& fields)
{
    std::string line;
    for (std::size_t c = 0; c < fields.cells.size(); ++c) {
        if (c == kBeforeNote) line.append(",").append(CsvField(fields.note));
        line.append(c ? "," : "").append(CsvField(fields.cells[c]));
    }
    return line.append("\n");
}

RowFields Headings()
{
    RowFields headings{{}, Words("compare", kNoteHeading), Words("compare", kGrowthHeading)};
    for (const char* heading : kHeadings) headings.cells.push_back(Words("compare", heading));
    return headings;
}

// The columns the table shows, in their order: by default those that fit 100 characters, the
// growth where the counts double.
std::vector<std::size_t> ShownColumns(const CompareOptions& options)
{
    bool doubling = false;
    for (std::size_t c = 1; c < options.counts.size(); ++c)
        doubling = doubling || options.counts[c] == 2 * std::int64_t(options.counts[c - 1]);
    std::vector<std::size_t> shown = options.wide ? std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                                  : std::vector<std::size_t>{0, 1, 2, 3, 4, 7, 8};
    if (doubling) shown.insert(std::find(shown.begin(), shown.end(), 8), kGrowthColumn);
    return shown;
}

}  // namespace

TableLayout LayoutFor(const CompareOptions& options, std::string decimalSeparator)
{
    const std::uint64_t n = options.counts.empty() ? 0 : static_cast<std::uint64_t>(options.counts.back());
    // No method compares or exchanges more than every pair and once per item besides, and
    // none moves more than three items per exchange.
    const std::uint64_t pairs = n * (n - (n > 0)) / 2 + n;
    TableLayout layout{{}, ShownColumns(options), std::move(decimalSeparator)};
    for (sorting::SortMethod method : sorting::kAllMethods)
        layout.widths[0] = std::max(layout.widths[0], platform::TextWidth(sorting::MethodTitle(method)));
    for (const script::ScriptFile& file : options.scripts)
        layout.widths[0] = std::max(layout.widths[0], platform::TextWidth(file.name));
    // A script may count far more than any method, up to its limit of steps.
    const std::uint64_t most = options.scripts.empty() ? pairs : std::max<std::uint64_t>(pairs, 999'999'999);
    for (sorting::InitialOrder order : sorting::kInitialOrders)
        layout.widths[1] = std::max(layout.widths[1], platform::TextWidth(sorting::OrderTitle(order)));
    const auto widest = [](std::initializer_list<std::string> words) {
        std::size_t width = 0;
        for (const std::string& word : words) width = std::max(width, platform::TextWidth(word));
        return width;
    };
    // A run may outlast its estimate, and so the limit, by some way.
    // A distribution sort reads each item four times at the most.
    const std::array<std::size_t, kColumns + 1> figures{
        0, 0, Digits(n),
        // "skipped" or "failed" may stand out to the left: the reason follows, not a figure.
        Seconds(10 * options.maxSeconds, &layout.decimalSeparator).size(), Digits(most), Digits(most), Digits(n),
        Digits(3 * most), widest({Yes(), NotInOrder()}),
        Digits(std::max<std::uint64_t>(4 * n, options.scripts.empty() ? 0 : most)), widest({Yes(), No()}),
        platform::TextWidth("\u00d7999.99")};  // far beyond any method's growth
    const RowFields headings = Headings();
    for (std::size_t c = 0; c <= kGrowthColumn; ++c)
        layout.widths[c] = std::max({layout.widths[c], figures[c], platform::TextWidth(headings.Cell(c))});
    return layout;
}

std::string TableHeading(const TableLayout& layout)
{
    // The notes say what they are: the heading names none, and stays within the rows' width.
    RowFields headings = Headings();
    headings.note.clear();
    return Line(headings, layout);
}

std::string TableRow(const Measurement& m, const TableLayout& layout)
{
    return Line(Fields(m, &layout.decimalSeparator), layout, m.Made());
}

std::string CsvHeading()
{
    const platform::WordsAsWritten english;
    return CsvLine(Headings());
}

std::string CsvRow(const Measurement& m) { return CsvLine(Fields(m, nullptr)); }

}  // namespace compare
