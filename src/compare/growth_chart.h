#pragma once

#include "compare/comparison.h"

#include <QColor>
#include <QSize>

#include <string>
#include <vector>

namespace compare {

// The colour of a method's line in the chart.
QColor MethodColour(sorting::SortMethod method);

// Draws time against count on log-log axes, one line per method, with dashed reference slopes
// for n² and n log n, into an SVG or PNG file chosen by the name's ending. With more than one
// initial order, one small panel per order, all on the same axes and scales. Needs a
// QGuiApplication. A file that cannot be written raises std::runtime_error.
// The size of the chart for these measurements, in pixels.
QSize ChartSize(const std::vector<Measurement>& measurements);

void WriteGrowthChart(const std::vector<Measurement>& measurements, const std::string& path);

}  // namespace compare
