#include "compare/growth_chart.h"

#include "compare/chart_axes.h"
#include "desktop/qt_conversions.h"
#include "platform/words.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace compare {
namespace {

constexpr QSize kSize(800, 520);  // one order
constexpr QMargins kMargins(80, 40, 160, 60);
constexpr QSize kPanel(380, 290);  // each order of several
constexpr QMargins kPanelMargins(58, 30, 12, 44);
constexpr int kPanelColumns = 3;
constexpr int kLegendWidth = 150;
constexpr int kTitleHeight = 36;

using platform::Words;

QString Text(const std::string& words) { return desktop::ToQString(words); }

// The numbers of the user's region; where it groups no digits, as in the plain C locale, the
// decades are grouped by commas all the same, the easier to read.
platform::NumberFormat ChartNumbers()
{
    platform::NumberFormat format = platform::RegionalNumberFormat();
    if (format.groupSeparator.empty() && format.decimalSeparator == ".") format.groupSeparator.push_back(',');
    return format;
}

// A method's line: its family's colour, and a dash of its own within the family.
QPen MethodPen(sorting::SortMethod method)
{
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    return QPen(MethodColour(method), 2, kStyles[static_cast<int>(sorting::Facts(method).line)]);
}

// Log-log axes laid onto the plot area.
class PlotScale {
public:
    PlotScale(const LogLogAxes& axes, QRect plot) : axes_(axes), plot_(plot) {}

    const LogLogAxes& Axes() const { return axes_; }
    QPointF At(double count, double seconds) const
    {
        return {plot_.left() + axes_.Across(count) * plot_.width(),
                plot_.bottom() - axes_.Up(seconds) * plot_.height()};
    }
    double X(int countDecade) const { return At(std::pow(10.0, countDecade), 1).x(); }
    double Y(int timeDecade) const { return At(10, std::pow(10.0, timeDecade)).y(); }

private:
    const LogLogAxes& axes_;
    QRect plot_;
};

void DrawGrid(QPainter& painter, const PlotScale& scale, QRect plot)
{
    const LogLogAxes& axes = scale.Axes();
    painter.setPen(QPen(QColor(220, 220, 220), 1));
    for (int d = axes.FirstCountDecade(); d <= axes.LastCountDecade(); ++d)
        painter.drawLine(QPointF(scale.X(d), plot.top()), QPointF(scale.X(d), plot.bottom()));
    for (int d = axes.FirstTimeDecade(); d <= axes.LastTimeDecade(); ++d)
        painter.drawLine(QPointF(plot.left(), scale.Y(d)), QPointF(plot.right(), scale.Y(d)));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
}

void DrawAxes(QPainter& painter, const PlotScale& scale, QRect plot, const QString& title, bool compact)
{
    DrawGrid(painter, scale, plot);
    const LogLogAxes& axes = scale.Axes();
    const QFontMetrics metrics(painter.font());
    const platform::NumberFormat numbers = ChartNumbers();
    for (int d = axes.FirstCountDecade(); d <= axes.LastCountDecade(); ++d) {
        const QString label = desktop::ToQString(CountLabel(d, compact, numbers));
        painter.drawText(QPointF(scale.X(d) - metrics.horizontalAdvance(label) / 2.0, plot.bottom() + 18), label);
    }
    for (int d = axes.FirstTimeDecade(); d <= axes.LastTimeDecade(); ++d) {
        const QString label = desktop::ToQString(TimeLabel(d, numbers));
        painter.drawText(QPointF(plot.left() - 8 - metrics.horizontalAdvance(label), scale.Y(d) + 4), label);
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 24, plot.width(), 20), Qt::AlignHCenter,
                     Text(Words("compare", "number of items")));
    painter.drawText(QRect(plot.left(), plot.top() - 28, plot.width(), 24), Qt::AlignHCenter, title);
}

void DrawReference(QPainter& painter, const PlotScale& scale, const std::vector<ChartPoint>& line, const QString& label)
{
    QPainterPath path;
    for (const ChartPoint& point : line)
        path.elementCount() == 0 ? path.moveTo(scale.At(point.count, point.seconds))
                                 : path.lineTo(scale.At(point.count, point.seconds));
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawPath(path);
    painter.drawText(path.currentPosition() + QPointF(6, 12), label);
}

// One plot: the axes, the reference slopes through its first measurement and one line per
// method. `axes` span every measurement of the chart, so that panels compare at a glance.
void DrawPlot(QPainter& painter, const LogLogAxes& axes, QRect plot, const std::vector<Measurement>& measurements,
              const QString& title, bool compact)
{
    const PlotScale scale(axes, plot);
    DrawAxes(painter, scale, plot, title, compact);
    if (!axes.Valid() || measurements.empty()) return;

    const Measurement& anchor = ReferenceAnchor(measurements);
    const auto last = std::max_element(measurements.begin(), measurements.end(),
                                       [](const auto& a, const auto& b) { return a.count < b.count; });
    if (anchor.seconds > 0 && last->count > anchor.count) {
        DrawReference(painter, scale, ReferenceLine(axes, anchor, last->count, [](double n) { return n * n; }), "n²");
        DrawReference(painter, scale,
                      ReferenceLine(axes, anchor, last->count, [](double n) { return n * std::log2(n); }), "n log n");
    }
    for (sorting::SortMethod method : sorting::kAllMethods) {
        QPolygonF line;
        for (const Measurement& m : measurements)
            if (m.method == method && m.seconds > 0) line << scale.At(m.count, m.seconds);
        if (line.isEmpty()) continue;
        painter.setPen(MethodPen(method));
        painter.drawPolyline(line);
        painter.setBrush(MethodColour(method));
        for (const QPointF& point : line) painter.drawEllipse(point, 3, 3);
        painter.setBrush(Qt::NoBrush);
    }
}

// A key of the methods that have measurements, from `at` down.
void DrawLegend(QPainter& painter, QPointF at, const std::vector<Measurement>& measurements)
{
    int row = 0;
    for (sorting::SortMethod method : sorting::kAllMethods) {
        if (std::none_of(measurements.begin(), measurements.end(),
                         [method](const auto& m) { return m.method == method; }))
            continue;
        const QPointF key = at + QPointF(0, 22 * row++);
        painter.setPen(MethodPen(method));
        painter.drawLine(key, key + QPointF(32, 0));
        painter.setPen(Qt::black);
        painter.drawText(key + QPointF(40, 4), Text(sorting::MethodTitle(method)));
    }
}

// The initial orders of the measurements, in the order they first appear.
std::vector<sorting::InitialOrder> OrdersOf(const std::vector<Measurement>& measurements)
{
    std::vector<sorting::InitialOrder> orders;
    for (const Measurement& m : measurements)
        if (std::find(orders.begin(), orders.end(), m.order) == orders.end()) orders.push_back(m.order);
    return orders;
}

void DrawChart(QPainter& painter, const std::vector<Measurement>& measurements)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize size = ChartSize(measurements);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const std::vector<sorting::InitialOrder> orders = OrdersOf(measurements);
    if (orders.size() <= 1) {
        const QRect plot = QRect(QPoint(0, 0), kSize).marginsRemoved(kMargins);
        DrawPlot(painter, LogLogAxes(measurements), plot, measurements,
                 Text(Words("compare", "time of the sort (log-log)")), false);
        DrawLegend(painter, QPointF(plot.right() + 16, plot.top() + 16), measurements);
        return;
    }
    painter.drawText(QRect(0, 8, size.width(), 24), Qt::AlignHCenter,
                     Text(Words("compare", "time of the sort (log-log), by the initial order of the items")));
    const LogLogAxes axes(measurements);
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const QPoint corner(static_cast<int>(i % kPanelColumns) * kPanel.width(),
                            kTitleHeight + static_cast<int>(i / kPanelColumns) * kPanel.height());
        const QRect plot = QRect(corner, kPanel).marginsRemoved(kPanelMargins);
        std::vector<Measurement> ofOrder;
        std::copy_if(measurements.begin(), measurements.end(), std::back_inserter(ofOrder),
                     [&](const Measurement& m) { return m.order == orders[i]; });
        DrawPlot(painter, axes, plot, ofOrder, Text(sorting::OrderTitle(orders[i])), true);
    }
    DrawLegend(painter, QPointF(kPanelColumns * kPanel.width() + 8, kTitleHeight + 40), measurements);
}

std::string CannotWrite(const std::string& path, const QString& reason)
{
    if (reason.isEmpty()) return platform::Fill(Words("compare", "cannot write the chart to %1"), {path});
    return platform::Fill(Words("compare", "cannot write the chart to %1: %2"), {path, reason.toStdString()});
}

}  // namespace

QSize ChartSize(const std::vector<Measurement>& measurements)
{
    const auto orders = static_cast<int>(OrdersOf(measurements).size());
    if (orders <= 1) return kSize;
    const int rows = (orders + kPanelColumns - 1) / kPanelColumns;
    return {kPanelColumns * kPanel.width() + kLegendWidth, kTitleHeight + rows * kPanel.height()};
}

QColor MethodColour(sorting::SortMethod method) { return QColor(desktop::ToRgb(sorting::Facts(method).colour)); }

void WriteGrowthChart(const std::vector<Measurement>& measurements, const std::string& path)
{
    std::vector<Measurement> made;
    // A script's seconds are Python's, each step reported: they stay off the methods' chart.
    std::copy_if(measurements.begin(), measurements.end(), std::back_inserter(made),
                 [](const Measurement& m) { return m.Made() && m.script.empty(); });
    // Written beside the target and renamed into place only when whole, so that a failed or
    // interrupted run never leaves half a chart, nor destroys an earlier one.
    const QString fileName = QString::fromStdString(path);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error(CannotWrite(path, file.errorString()));
    if (fileName.endsWith(".svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(ChartSize(made));
        svg.setViewBox(QRect(QPoint(0, 0), ChartSize(made)));
        svg.setTitle(Text(Words("compare", "Sorting methods: time against count")));
        QPainter painter;
        if (!painter.begin(&svg))
            throw std::runtime_error(platform::Fill(Words("compare", "cannot draw the chart for %1"), {path}));
        DrawChart(painter, made);
        painter.end();
    } else {
        QImage image(ChartSize(made), QImage::Format_RGB32);
        {
            QPainter painter(&image);
            DrawChart(painter, made);
        }
        if (!image.save(&file, "PNG")) throw std::runtime_error(CannotWrite(path, {}));
    }
    if (!file.commit()) throw std::runtime_error(CannotWrite(path, file.errorString()));
}

}  // namespace compare
