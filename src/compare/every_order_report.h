#pragma once

#include "compare/every_order.h"

#include <string>

namespace compare {

// The rows of every order as a table, in the user's words and decimal sign: for comparisons,
// exchanges and moves the fewest, the mean and the most, then whether every order ended
// sorted, and beneath each row its worst and best order. Two heading lines, each ending in a
// newline, as each row does.
std::string EveryOrderHeading();
std::string EveryOrderTableRow(const EveryOrderRow& row, const std::string& decimalSeparator);

// As CSV: one column a figure, then the orders as items apart by spaces.
std::string EveryOrderCsvHeading();
std::string EveryOrderCsvRow(const EveryOrderRow& row);

}  // namespace compare
