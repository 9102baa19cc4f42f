#pragma once

#include "compare/comparison.h"

#include <array>
#include <string>

namespace compare {

// The table's column widths, fixed before the first row: wide enough for the largest figures
// that any run of these options can give, so that every row can be written as it comes.
inline constexpr std::size_t kColumns = 11;  // and the note

// In the user's language and decimal sign.
struct TableLayout {
    std::array<std::size_t, kColumns> widths;
    std::string decimalSeparator = ".";
};

TableLayout LayoutFor(const CompareOptions& options, std::string decimalSeparator = ".");

// The heading line and one line per row, each ending in a newline. A skipped row says
// "skipped" and, at the end, its estimated time.
std::string TableHeading(const TableLayout& layout);
std::string TableRow(const Measurement& m, const TableLayout& layout);

// The same as CSV; times in seconds with nine decimals, and the note before the columns that
// came after it (reads, and whether equal items kept their order: yes, no, or - where no two
// items are equal).
std::string CsvHeading();
std::string CsvRow(const Measurement& m);

}  // namespace compare
