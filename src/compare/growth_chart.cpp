#include "compare/growth_chart.h"

#include "compare/chart_axes.h"
#include "desktop/qt_conversions.h"
#include "platform/whole_file.h"
#include "platform/words.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace compare {

QSize ChartSize(const std::vector<ChartRow>& rows);

namespace {

constexpr QSize kSize(1280, 720);  // one order: readable on a projector
constexpr QMargins kMargins(110, 60, 270, 80);
constexpr QSize kPanel(440, 340);  // each order of several
constexpr QMargins kPanelMargins(84, 40, 18, 60);
constexpr int kPanelColumns = 3;
constexpr int kLegendWidth = 260;
constexpr int kTitleHeight = 48;
constexpr int kFontPixels = 16, kPanelFontPixels = 14;

using platform::Words;

QString Text(const std::string& words) { return desktop::ToQString(words); }

// The numbers of the user's region; where it groups no digits, as in the plain C locale, the
// thousands are grouped by commas all the same, the easier to read.
platform::NumberFormat ChartNumbers()
{
    platform::NumberFormat format = platform::RegionalNumberFormat();
    if (format.groupSeparator.empty() && format.decimalSeparator == ".") format.groupSeparator.push_back(',');
    return format;
}

// A line of the chart: a method's rows, or a student's script's.
struct Series {
    script::LaneSource lane;

    bool Holds(const ChartRow& m) const { return m.lane == lane; }
};

// The methods in the table's order, then the scripts in the rows' order.
std::vector<Series> SeriesOf(const std::vector<ChartRow>& measurements)
{
    std::vector<Series> series;
    for (sorting::SortMethod method : sorting::kAllMethods)
        if (std::any_of(measurements.begin(), measurements.end(), [method](const auto& m) { return m.lane == method; }))
            series.push_back({method});
    for (const ChartRow& m : measurements)
        if (m.lane.IsScript() && std::none_of(series.begin(), series.end(), [&](const Series& s) { return s.Holds(m); }))
            series.push_back({m.lane});
    return series;
}

// A method's line: its family's colour, a dash and a marker of its own within the family, so
// that the thirteen are told apart also in black and white; a script's is black, with crosses.
enum class Marker { Circle, Square, Triangle, Diamond, Cross };

QColor SeriesColour(const Series& series)
{
    const auto method = series.lane.Method();
    return method ? MethodColour(*method) : Qt::black;
}

QPen SeriesPen(const Series& series)
{
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    const auto method = series.lane.Method();
    const Qt::PenStyle style = method ? kStyles[static_cast<int>(sorting::Facts(*method).line)] : Qt::DashDotDotLine;
    return QPen(SeriesColour(series), 2.5, style);
}

Marker MarkerOf(const Series& series)
{
    const auto method = series.lane.Method();
    return method ? static_cast<Marker>(sorting::Facts(*method).line) : Marker::Cross;
}

void DrawMarker(QPainter& painter, QPointF at, const Series& series)
{
    constexpr double r = 4.5;
    painter.setPen(QPen(SeriesColour(series), 1.5));
    painter.setBrush(SeriesColour(series));
    switch (MarkerOf(series)) {
        case Marker::Circle:
            painter.drawEllipse(at, r, r);
            break;
        case Marker::Square:
            painter.drawRect(QRectF(at - QPointF(r, r), at + QPointF(r, r)));
            break;
        case Marker::Triangle:
            painter.drawPolygon(QPolygonF{at + QPointF(0, -r - 1), at + QPointF(r + 1, r), at + QPointF(-r - 1, r)});
            break;
        case Marker::Diamond:
            painter.drawPolygon(QPolygonF{at + QPointF(0, -r - 1), at + QPointF(r + 1, 0), at + QPointF(0, r + 1),
                                          at + QPointF(-r - 1, 0)});
            break;
        case Marker::Cross:
            painter.setPen(QPen(SeriesColour(series), 2));
            painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
            painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
            break;
    }
    painter.setBrush(Qt::NoBrush);
}

// Where a series is the mean over every order, the range from the fewest to the most, pale.
void DrawBand(QPainter& painter, const QPolygonF& band, const Series& series)
{
    QColor pale = SeriesColour(series);
    pale.setAlpha(45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pale);
    painter.drawPolygon(band);
    painter.setBrush(Qt::NoBrush);
}

// The axes laid onto the plot area.
class PlotScale {
public:
    PlotScale(const ChartAxes& axes, QRect plot) : axes_(axes), plot_(plot) {}

    const ChartAxes& Axes() const { return axes_; }
    QPointF At(double count, double value) const
    {
        return {plot_.left() + axes_.Across(count) * plot_.width(), plot_.bottom() - axes_.Up(value) * plot_.height()};
    }
    double X(double count) const { return plot_.left() + axes_.Across(count) * plot_.width(); }
    double Y(double value) const { return plot_.bottom() - axes_.Up(value) * plot_.height(); }

private:
    const ChartAxes& axes_;
    QRect plot_;
};

void DrawGrid(QPainter& painter, const PlotScale& scale, QRect plot)
{
    painter.setPen(QPen(QColor(220, 220, 220), 1));
    for (double tick : scale.Axes().CountAxis().Ticks())
        painter.drawLine(QPointF(scale.X(tick), plot.top()), QPointF(scale.X(tick), plot.bottom()));
    for (double tick : scale.Axes().ValueAxis().Ticks())
        painter.drawLine(QPointF(plot.left(), scale.Y(tick)), QPointF(plot.right(), scale.Y(tick)));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
}

void DrawAxes(QPainter& painter, const PlotScale& scale, QRect plot, const QString& title, bool compact)
{
    DrawGrid(painter, scale, plot);
    const QFontMetrics metrics(painter.font());
    const platform::NumberFormat numbers = ChartNumbers();
    for (double tick : scale.Axes().CountAxis().Ticks()) {
        const QString label = Text(CountLabel(tick, compact, numbers));
        painter.drawText(
            QPointF(scale.X(tick) - metrics.horizontalAdvance(label) / 2.0, plot.bottom() + 6 + metrics.height()),
            label);
    }
    for (double tick : scale.Axes().ValueAxis().Ticks()) {
        const QString label = Text(ValueLabel(tick, scale.Axes().Of(), numbers));
        painter.drawText(
            QPointF(plot.left() - 8 - metrics.horizontalAdvance(label), scale.Y(tick) + metrics.ascent() / 2.0), label);
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 8 + metrics.height(), plot.width(), metrics.height() + 4),
                     Qt::AlignHCenter, Text(Words("compare", "number of items")));
    painter.drawText(QRect(plot.left(), plot.top() - 8 - metrics.height(), plot.width(), metrics.height() + 4),
                     Qt::AlignHCenter, title);
}

// A reference line and its label, at its end or its start (where the lines stand apart), moved
// down below any label already in `taken`.
void DrawReference(QPainter& painter, const PlotScale& scale, const std::vector<ChartPoint>& line, const QString& label,
                   bool atStart, std::vector<QRectF>& taken)
{
    if (line.size() < 2) return;
    QPainterPath path;
    path.moveTo(scale.At(line.front().count, line.front().value));
    for (const ChartPoint& point : line) path.lineTo(scale.At(point.count, point.value));
    painter.setPen(QPen(Qt::gray, 1.5, Qt::DashLine));
    painter.drawPath(path);
    const QFontMetrics metrics = painter.fontMetrics();
    const QPointF end =
        atStart ? scale.At(line.front().count, line.front().value) + QPointF(metrics.horizontalAdvance(label) + 10, 0)
                : path.currentPosition();
    QRectF box(end + QPointF(-metrics.horizontalAdvance(label) - 6, -metrics.height() - 2),
               QSizeF(metrics.horizontalAdvance(label) + 4, metrics.height()));
    while (std::any_of(taken.begin(), taken.end(), [&](const QRectF& other) { return other.intersects(box); }))
        box.translate(0, metrics.height());
    taken.push_back(box);
    painter.setPen(Qt::darkGray);
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
}

// The reference slopes: on log axes from the least figure of the smallest count on, where a
// slope is the growth; on linear ones through the highest point at the largest count, where
// their shapes tell them apart.
void DrawReferences(QPainter& painter, const PlotScale& scale, const std::vector<ChartRow>& measurements,
                    ChartScale kind)
{
    ChartPoint through = ReferenceAnchor(measurements);
    const double first = through.count;
    double last = 0;
    for (const ChartRow& m : measurements) last = std::max(last, m.count);
    if (!(through.value > 0) || !(last > first)) return;
    if (kind == ChartScale::Linear) {
        through = {last, 0};
        for (const ChartRow& m : measurements)
            if (m.count == last) through.value = std::max(through.value, m.value);
    }
    const bool atStart = kind == ChartScale::Linear;
    std::vector<std::pair<std::vector<ChartPoint>, sorting::Growth>> lines;
    for (const sorting::Growth& growth : {sorting::kQuadratic, sorting::kLinearithmic, sorting::kLinear})
        if (auto line = ReferenceLine(scale.Axes(), through, first, last, growth); line.size() >= 2)
            lines.emplace_back(std::move(line), growth);
    // The highest label first, so that one moved down for another stays below its own line.
    const auto labelled = [atStart](const auto& line) {
        return atStart ? line.first.front().value : line.first.back().value;
    };
    std::sort(lines.begin(), lines.end(), [&](const auto& a, const auto& b) { return labelled(a) > labelled(b); });
    std::vector<QRectF> taken;
    for (const auto& [line, growth] : lines)
        DrawReference(painter, scale, line, Text(std::string(growth.name)), atStart, taken);
}

// One plot: the axes, the reference slopes through its first measurement and one line per
// series. `axes` span every measurement of the chart, so that panels compare at a glance.
void DrawPlot(QPainter& painter, const ChartAxes& axes, QRect plot, const std::vector<ChartRow>& measurements,
              const QString& title, bool compact)
{
    const PlotScale scale(axes, plot);
    DrawAxes(painter, scale, plot, title, compact);
    if (!axes.Valid() || measurements.empty()) return;

    DrawReferences(painter, scale, measurements, axes.Scale());
    for (const Series& series : SeriesOf(measurements)) {
        QPolygonF line;
        for (const ChartRow& m : measurements)
            if (series.Holds(m) && m.value > 0) line << scale.At(m.count, m.value);
        // Where its rows span a range: the band from the most, and back along the fewest.
        if (std::any_of(measurements.begin(), measurements.end(),
                        [&](const ChartRow& m) { return series.Holds(m) && m.low < m.high; })) {
            QPolygonF band;
            for (const ChartRow& m : measurements)
                if (series.Holds(m) && m.value > 0) band << scale.At(m.count, m.high);
            for (auto m = measurements.rbegin(); m != measurements.rend(); ++m)
                if (series.Holds(*m) && m->value > 0) band << scale.At(m->count, std::max(m->low, m->value / 1e9));
            DrawBand(painter, band, series);
        }
        painter.setPen(SeriesPen(series));
        painter.drawPolyline(line);
        for (const QPointF& point : line) DrawMarker(painter, point, series);
    }
}

// A key of the series, from `at` down.
void DrawLegend(QPainter& painter, QPointF at, const std::vector<ChartRow>& measurements)
{
    const double rowHeight = painter.fontMetrics().height() + 10;
    int row = 0;
    for (const Series& series : SeriesOf(measurements)) {
        const QPointF key = at + QPointF(0, rowHeight * row++);
        painter.setPen(SeriesPen(series));
        painter.drawLine(key, key + QPointF(40, 0));
        DrawMarker(painter, key + QPointF(20, 0), series);
        painter.setPen(Qt::black);
        painter.drawText(key + QPointF(50, painter.fontMetrics().ascent() / 2.0 - 1),
                         Text(series.lane.Title()));
    }
}

// The initial orders of the measurements, in the order they first appear.
std::vector<sorting::InitialOrder> OrdersOf(const std::vector<ChartRow>& measurements)
{
    std::vector<sorting::InitialOrder> orders;
    for (const ChartRow& m : measurements)
        if (std::find(orders.begin(), orders.end(), m.order) == orders.end()) orders.push_back(m.order);
    return orders;
}

// What the chart shows, and on what axes.
std::string ChartTitle(ChartOf of, ChartScale scale)
{
    const bool log = scale == ChartScale::Log;
    switch (of) {
        case ChartOf::Comparisons:
            return log ? Words("compare", "comparisons (log-log)") : Words("compare", "comparisons");
        case ChartOf::Moves:
            return log ? Words("compare", "item moves (log-log)") : Words("compare", "item moves");
        case ChartOf::Seconds:
            break;
    }
    return log ? Words("compare", "time of the sort (log-log)") : Words("compare", "time of the sort");
}

void SetFontPixels(QPainter& painter, int pixels)
{
    QFont font = painter.font();
    font.setPixelSize(pixels);
    painter.setFont(font);
}

void DrawChart(QPainter& painter, const std::vector<ChartRow>& measurements, const QString& title, ChartOf of,
               ChartScale scale)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize size = ChartSize(measurements);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const std::vector<sorting::InitialOrder> orders = OrdersOf(measurements);
    const ChartAxes axes(measurements, of, scale);
    SetFontPixels(painter, kFontPixels);
    if (orders.size() <= 1) {
        const QRect plot = QRect(QPoint(0, 0), kSize).marginsRemoved(kMargins);
        DrawPlot(painter, axes, plot, measurements, title, false);
        DrawLegend(painter, QPointF(plot.right() + 24, plot.top() + 16), measurements);
        return;
    }
    painter.drawText(
        QRect(0, 10, size.width(), kTitleHeight - 10), Qt::AlignHCenter,
        Text(platform::Fill(Words("compare", "%1, by the initial order of the items"), {ChartTitle(of, scale)})));
    DrawLegend(painter, QPointF(kPanelColumns * kPanel.width() + 12, kTitleHeight + 40), measurements);
    SetFontPixels(painter, kPanelFontPixels);
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const QPoint corner(static_cast<int>(i % kPanelColumns) * kPanel.width(),
                            kTitleHeight + static_cast<int>(i / kPanelColumns) * kPanel.height());
        const QRect plot = QRect(corner, kPanel).marginsRemoved(kPanelMargins);
        std::vector<ChartRow> ofOrder;
        std::copy_if(measurements.begin(), measurements.end(), std::back_inserter(ofOrder),
                     [&](const ChartRow& m) { return m.order == orders[i]; });
        DrawPlot(painter, axes, plot, ofOrder, Text(sorting::OrderTitle(orders[i])), true);
    }
}

std::string CannotWrite(const std::string& path, const QString& reason)
{
    if (reason.isEmpty()) return platform::Fill(Words("compare", "cannot write the chart to %1"), {path});
    return platform::Fill(Words("compare", "cannot write the chart to %1: %2"), {path, reason.toStdString()});
}

}  // namespace

QSize ChartSize(const std::vector<ChartRow>& rows)
{
    const auto orders = static_cast<int>(OrdersOf(rows).size());
    if (orders <= 1) return kSize;
    const int panelRows = (orders + kPanelColumns - 1) / kPanelColumns;
    return {kPanelColumns * kPanel.width() + kLegendWidth, kTitleHeight + panelRows * kPanel.height()};
}

QSize ChartSize(const std::vector<Measurement>& measurements)
{
    return ChartSize(ChartRows(measurements, ChartOf::Seconds));
}

QColor MethodColour(sorting::SortMethod method) { return QColor(desktop::ToRgb(sorting::Facts(method).colour)); }

namespace {

// Written beside the target and renamed into place only when whole, so that a failed or
// interrupted run never leaves half a chart, nor destroys an earlier one.
void WriteChart(const std::vector<ChartRow>& rows, const std::string& path, const QString& title, ChartOf of,
                ChartScale scale)
{
    const bool written = platform::WriteWhole(path, [&](const std::string& partial) {
        QFile file(QString::fromStdString(partial));
        if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error(CannotWrite(path, file.errorString()));
        if (QString::fromStdString(path).endsWith(".svg")) {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(ChartSize(rows));
            svg.setViewBox(QRect(QPoint(0, 0), ChartSize(rows)));
            svg.setTitle(title);
            QPainter painter;
            if (!painter.begin(&svg))
                throw std::runtime_error(platform::Fill(Words("compare", "cannot draw the chart for %1"), {path}));
            DrawChart(painter, rows, title, of, scale);
            painter.end();
        } else {
            QImage image(ChartSize(rows), QImage::Format_RGB32);
            {
                QPainter painter(&image);
                DrawChart(painter, rows, title, of, scale);
            }
            if (!image.save(&file, "PNG")) throw std::runtime_error(CannotWrite(path, {}));
        }
        file.close();
        if (file.error() != QFileDevice::NoError) throw std::runtime_error(CannotWrite(path, file.errorString()));
        return true;
    });
    if (!written) throw std::runtime_error(CannotWrite(path, {}));
}

}  // namespace

void WriteGrowthChart(const std::vector<Measurement>& measurements, const std::string& path, ChartOf of,
                      ChartScale scale)
{
    // A script's seconds are Python's, each step reported: they stay off a chart of the
    // methods' times; its counts are comparable with theirs.
    WriteChart(ChartRows(measurements, of), path, Text(ChartTitle(of, scale)), of, scale);
}

void WriteEveryOrderChart(const std::vector<EveryOrderRow>& rows, const std::string& path, ChartOf of, ChartScale scale)
{
    const QString title =
        Text(platform::Fill(Words("compare", "%1: the mean over every order, shaded from the fewest to the most"),
                            {ChartTitle(of, scale)}));
    WriteChart(ChartRows(rows, of), path, title, of, scale);
}

}  // namespace compare
