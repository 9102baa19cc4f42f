#pragma once

#include "compare/comparison.h"

#include <QColor>

#include <string>
#include <vector>

namespace compare {

// The colour of a method's line in the chart.
QColor MethodColour(sorting::SortMethod method);

// Draws time against count on log-log axes, one line per method, with dashed reference slopes
// for n² and n log n, into an SVG or PNG file chosen by the name's ending. Needs a
// QGuiApplication. A file that cannot be written raises std::runtime_error.
void WriteGrowthChart(const std::vector<Measurement>& measurements, const std::string& path);

}  // namespace compare
