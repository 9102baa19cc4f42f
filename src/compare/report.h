#pragma once

#include "compare/comparison.h"

#include <array>
#include <vector>
#include <string>

namespace compare {

// The table's column widths, fixed before the first row: wide enough for the largest figures
// that any run of these options can give, so that every row can be written as it comes.
inline constexpr std::size_t kColumns = 11;       // in CSV, with the note
inline constexpr std::size_t kGrowthColumn = 11;  // the table's, in a doubling series

// In the user's language and decimal sign. The table shows the columns in `shown`: by default
// those that fit 100 characters (the method, the order, the count, the seconds, the
// comparisons, the moves, the growth in a series and the verdict), with --wide all of them.
struct TableLayout {
    std::array<std::size_t, kColumns + 1> widths;
    std::vector<std::size_t> shown;
    std::string decimalSeparator = ".";
};

TableLayout LayoutFor(const CompareOptions& options, std::string decimalSeparator = ".");

// The heading line and one line per row, each ending in a newline. A skipped or failed row
// says so in its seconds' column, and why right after it.
std::string TableHeading(const TableLayout& layout);
std::string TableRow(const Measurement& m, const TableLayout& layout);

// The same as CSV; times in seconds with nine decimals, and the note before the columns that
// came after it (reads, and whether equal items kept their order: yes, no, or - where no two
// items are equal).
std::string CsvHeading();
std::string CsvRow(const Measurement& m);

}  // namespace compare
