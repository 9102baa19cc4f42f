#include "compare/report.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace compare {
namespace {

constexpr std::array<const char*, kColumns> kHeadings{"method",      "order",     "count",  "seconds",
                                                      "comparisons", "exchanges", "merges", "moves",
                                                      "in order",    "reads",     "stable"};
constexpr const char* kNoteHeading = "note";
// In CSV the note comes after these, and the columns added since then after it, so that the
// earlier columns keep their places.
constexpr std::size_t kBeforeNote = 9;

// A row's cells under the headings, and its note.
struct RowFields {
    std::vector<std::string> cells;
    std::string note;
};

std::size_t Digits(std::uint64_t n) { return std::to_string(n).size(); }

std::string Seconds(double seconds, bool forCsv)
{
    char text[64];
    std::snprintf(text, sizeof text, forCsv ? "%.9f" : "%.6f", seconds);
    return text;
}

// Why a row was skipped: its estimate over the limit, or the budget spent before it.
std::string SkipNote(const Measurement& m)
{
    if (!m.overBudget) return AboutDuration(*m.skipped);
    char took[32];
    std::snprintf(took, sizeof took, "%.1f s", m.overBudget->seconds);
    return "over the budget: the run at " + std::to_string(m.overBudget->count) + " took " + took;
}

// The cells under the headings, then the note.
RowFields Fields(const Measurement& m, bool forCsv)
{
    std::vector<std::string> cells{std::string(sorting::MethodName(m.method)), std::string(sorting::OrderName(m.order)),
                                   std::to_string(m.count)};
    if (m.skipped) {
        const std::string none = forCsv ? "" : "-";
        cells.insert(cells.end(), {forCsv ? "" : "skipped", none, none, none, none, none, none, none});
        return {cells, (forCsv ? "skipped: " : "") + SkipNote(m)};
    }
    cells.insert(cells.end(), {Seconds(m.seconds, forCsv), std::to_string(m.counts.comparisons),
                               std::to_string(m.counts.exchanges), std::to_string(m.counts.merges),
                               std::to_string(m.counts.moves), m.inOrder ? "yes" : "NO", std::to_string(m.counts.reads),
                               !m.stable   ? "-"
                               : *m.stable ? "yes"
                                           : "no"});
    return {cells, ""};
}

std::string Line(const RowFields& fields, const TableLayout& layout)
{
    std::string line;
    for (std::size_t c = 0; c < kHeadings.size(); ++c) {
        const std::string& cell = fields.cells[c];
        const std::string pad(layout.widths[c] > cell.size() ? layout.widths[c] - cell.size() : 0, ' ');
        // The method and the order stand left; the numbers and the verdict stand right.
        line += c == 0 ? cell + pad : c == 1 ? "  " + cell + pad : "  " + pad + cell;
    }
    if (!fields.note.empty()) line += "  " + fields.note;
    return line + "\n";
}

std::string CsvLine(const RowFields& fields)
{
    std::string line;
    for (std::size_t c = 0; c < fields.cells.size(); ++c) {
        if (c == kBeforeNote) line += "," + fields.note;
        line += (c ? "," : "") + fields.cells[c];
    }
    return line + "\n";
}

RowFields Headings() { return {{kHeadings.begin(), kHeadings.end()}, kNoteHeading}; }

}  // namespace

TableLayout LayoutFor(const CompareOptions& options)
{
    const std::uint64_t n = options.counts.empty() ? 0 : static_cast<std::uint64_t>(options.counts.back());
    // No method compares or exchanges more than every pair and once per item besides, and
    // none moves more than three items per exchange.
    const std::uint64_t pairs = n * (n - (n > 0)) / 2 + n;
    TableLayout layout{};
    for (sorting::SortMethod method : sorting::kAllMethods)
        layout.widths[0] = std::max(layout.widths[0], sorting::MethodName(method).size());
    for (sorting::InitialOrder order : sorting::kInitialOrders)
        layout.widths[1] = std::max(layout.widths[1], sorting::OrderName(order).size());
    // A run may outlast its estimate, and so the limit, by some way.
    // A distribution sort reads each item four times at the most.
    const std::array<std::size_t, kColumns> figures{0,
                                                    0,
                                                    Digits(n),
                                                    Seconds(10 * options.maxSeconds, false).size(),
                                                    Digits(pairs),
                                                    Digits(pairs),
                                                    Digits(n),
                                                    Digits(3 * pairs),
                                                    0,
                                                    Digits(4 * n),
                                                    0};
    for (std::size_t c = 0; c < kHeadings.size(); ++c)
        layout.widths[c] = std::max({layout.widths[c], figures[c], std::string(kHeadings[c]).size()});
    return layout;
}

std::string TableHeading(const TableLayout& layout) { return Line(Headings(), layout); }

std::string TableRow(const Measurement& m, const TableLayout& layout) { return Line(Fields(m, false), layout); }

std::string CsvHeading() { return CsvLine(Headings()); }

std::string CsvRow(const Measurement& m) { return CsvLine(Fields(m, true)); }

}  // namespace compare
