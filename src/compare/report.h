#pragma once

#include "compare/comparison.h"

#include <string>
#include <vector>

namespace compare {

// The measurements as an aligned table, one line per method and count.
std::string FormatTable(const std::vector<Measurement>& measurements);

// The same as CSV with a header line; times in seconds with nine decimals.
std::string FormatCsv(const std::vector<Measurement>& measurements);

}  // namespace compare
