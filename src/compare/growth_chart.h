#pragma once

#include "compare/comparison.h"
#include "compare/every_order.h"

#include <QColor>
#include <QSize>

#include <string>
#include <vector>

namespace compare {

// The colour of a method's line in the chart.
QColor MethodColour(sorting::SortMethod method);

// The size of the chart for these measurements, in pixels.
QSize ChartSize(const std::vector<Measurement>& measurements);

// Draws a figure of the rows (the time, the comparisons or the moves) against the count, on
// log-log or linear axes, one line per method and student's script (a script's only where the
// figure is a count), with dashed reference slopes for n², n log n and n, into an SVG or PNG
// file chosen by the name's ending; rows of runs that were skipped are left out. With more than one initial order, one
// small panel per order, all on the same axes and scales. Needs a QGuiApplication. The file appears whole or not at
// all; one that cannot be written raises std::runtime_error.
void WriteGrowthChart(const std::vector<Measurement>& measurements, const std::string& path,
                      ChartOf of = ChartOf::Seconds, ChartScale scale = ChartScale::Log);

// The same of every order's rows: the mean of the comparisons or the moves, shaded from the
// fewest to the most.
void WriteEveryOrderChart(const std::vector<EveryOrderRow>& rows, const std::string& path, ChartOf of,
                          ChartScale scale = ChartScale::Log);

}  // namespace compare
