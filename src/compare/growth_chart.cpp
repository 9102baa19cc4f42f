#include "compare/growth_chart.h"

#include "platform/qt_conversions.h"

#include <QImage>
#include <QLocale>
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
constexpr QMargins kMargins(80, 40, 150, 60);
constexpr QSize kPanel(380, 290);  // each order of several
constexpr QMargins kPanelMargins(58, 30, 12, 44);
constexpr int kPanelColumns = 3;
constexpr int kLegendWidth = 130;
constexpr int kTitleHeight = 36;

// Maps log10 of count and of seconds onto the plot area.
class LogLogScale {
public:
    LogLogScale(const std::vector<Measurement>& measurements, QRect plot) : plot_(plot)
    {
        for (const Measurement& m : measurements) {
            if (m.seconds <= 0) continue;
            minX_ = std::min(minX_, std::log10(double(m.count)));
            maxX_ = std::max(maxX_, std::log10(double(m.count)));
            minY_ = std::min(minY_, std::log10(m.seconds));
            maxY_ = std::max(maxY_, std::log10(m.seconds));
        }
        // Whole decades around the data, at least one on each axis.
        minX_ = std::floor(minX_);
        maxX_ = std::max(std::ceil(maxX_), minX_ + 1);
        minY_ = std::floor(minY_);
        maxY_ = std::max(std::ceil(maxY_), minY_ + 1);
    }

    bool Valid() const { return std::isfinite(minX_) && std::isfinite(minY_); }
    QPointF At(double count, double seconds) const
    {
        const double x = (std::log10(count) - minX_) / (maxX_ - minX_);
        const double y = (std::log10(seconds) - minY_) / (maxY_ - minY_);
        return {plot_.left() + x * plot_.width(), plot_.bottom() - y * plot_.height()};
    }
    int FirstDecadeX() const { return int(minX_); }
    int LastDecadeX() const { return int(maxX_); }
    int FirstDecadeY() const { return int(minY_); }
    int LastDecadeY() const { return int(maxY_); }

private:
    QRect plot_;
    double minX_ = INFINITY, maxX_ = -INFINITY, minY_ = INFINITY, maxY_ = -INFINITY;
};

QString CountLabel(int decade, bool compact)
{
    if (compact && decade >= 3) {
        const char* units[] = {"k", "M", "G"};
        return QString("%1%2").arg(std::pow(10.0, decade % 3)).arg(units[decade / 3 - 1]);
    }
    return QLocale(QLocale::English).toString(std::pow(10.0, decade), 'f', 0);
}

QString TimeLabel(int decade)
{
    if (decade >= 0) return QString("%1 s").arg(QLocale(QLocale::English).toString(std::pow(10.0, decade), 'f', 0));
    if (decade >= -3) return QString("%1 ms").arg(std::pow(10.0, decade + 3));
    if (decade >= -6) return QString("%1 µs").arg(std::pow(10.0, decade + 6));
    return QString("%1 ns").arg(std::pow(10.0, decade + 9));
}

void DrawAxes(QPainter& painter, const LogLogScale& scale, QRect plot, const QString& title, bool compact)
{
    painter.setPen(QPen(QColor(220, 220, 220), 1));
    for (int d = scale.FirstDecadeX(); d <= scale.LastDecadeX(); ++d) {
        const double x = scale.At(std::pow(10.0, d), 1).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (int d = scale.FirstDecadeY(); d <= scale.LastDecadeY(); ++d) {
        const double y = scale.At(10, std::pow(10.0, d)).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
    const QFontMetrics metrics(painter.font());
    for (int d = scale.FirstDecadeX(); d <= scale.LastDecadeX(); ++d) {
        const QString label = CountLabel(d, compact);
        const double x = scale.At(std::pow(10.0, d), 1).x();
        painter.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2.0, plot.bottom() + 18), label);
    }
    for (int d = scale.FirstDecadeY(); d <= scale.LastDecadeY(); ++d) {
        const QString label = TimeLabel(d);
        const double y = scale.At(10, std::pow(10.0, d)).y();
        painter.drawText(QPointF(plot.left() - 8 - metrics.horizontalAdvance(label), y + 4), label);
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 24, plot.width(), 20), Qt::AlignHCenter, "number of items");
    painter.drawText(QRect(plot.left(), plot.top() - 28, plot.width(), 24), Qt::AlignHCenter, title);
}

// A dashed line of the given growth through the first measurement, up to the last count or
// the top of the plot, whichever comes first.
void DrawReference(QPainter& painter, const LogLogScale& scale, QRect plot, const Measurement& anchor,
                   std::int32_t lastCount, double (*growth)(double), const QString& label)
{
    QPainterPath path;
    const int steps = 200;
    for (int i = 0; i <= steps; ++i) {
        const double count = anchor.count * std::pow(double(lastCount) / anchor.count, double(i) / steps);
        const QPointF point = scale.At(count, anchor.seconds * growth(count) / growth(anchor.count));
        if (point.y() < plot.top()) break;
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawPath(path);
    painter.drawText(path.currentPosition() + QPointF(6, 12), label);
}

// One plot: the axes, the reference slopes through its first measurement and one line per
// method. `scale` spans every measurement of the chart, so that panels compare at a glance.
void DrawPlot(QPainter& painter, const LogLogScale& scale, QRect plot, const std::vector<Measurement>& measurements,
              const QString& title, bool compact)
{
    DrawAxes(painter, scale, plot, title, compact);
    if (!scale.Valid() || measurements.empty()) return;

    const auto first = std::min_element(measurements.begin(), measurements.end(), [](const auto& a, const auto& b) {
        return a.count < b.count || (a.count == b.count && a.seconds < b.seconds);
    });
    const auto last = std::max_element(measurements.begin(), measurements.end(),
                                       [](const auto& a, const auto& b) { return a.count < b.count; });
    if (first->seconds > 0 && last->count > first->count) {
        DrawReference(
            painter, scale, plot, *first, last->count, [](double n) { return n * n; }, "n²");
        DrawReference(
            painter, scale, plot, *first, last->count, [](double n) { return n * std::log2(n); }, "n log n");
    }
    for (sorting::SortMethod method : sorting::kAllMethods) {
        QPolygonF line;
        for (const Measurement& m : measurements)
            if (m.method == method && m.seconds > 0) line << scale.At(m.count, m.seconds);
        if (line.isEmpty()) continue;
        painter.setPen(QPen(MethodColour(method), 2));
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
        painter.setPen(QPen(MethodColour(method), 2));
        painter.drawLine(key, key + QPointF(24, 0));
        painter.setPen(Qt::black);
        painter.drawText(key + QPointF(32, 4), platform::ToQString(sorting::MethodName(method)));
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
        DrawPlot(painter, LogLogScale(measurements, plot), plot, measurements, "time of the sort (log-log)", false);
        DrawLegend(painter, QPointF(plot.right() + 16, plot.top() + 16), measurements);
        return;
    }
    painter.drawText(QRect(0, 8, size.width(), 24), Qt::AlignHCenter,
                     "time of the sort (log-log), by the initial order of the items");
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const QPoint corner(static_cast<int>(i % kPanelColumns) * kPanel.width(),
                            kTitleHeight + static_cast<int>(i / kPanelColumns) * kPanel.height());
        const QRect plot = QRect(corner, kPanel).marginsRemoved(kPanelMargins);
        std::vector<Measurement> ofOrder;
        std::copy_if(measurements.begin(), measurements.end(), std::back_inserter(ofOrder),
                     [&](const Measurement& m) { return m.order == orders[i]; });
        DrawPlot(painter, LogLogScale(measurements, plot), plot, ofOrder,
                 platform::ToQString(sorting::OrderName(orders[i])), true);
    }
    DrawLegend(painter, QPointF(kPanelColumns * kPanel.width() + 8, kTitleHeight + 40), measurements);
}

}  // namespace

QSize ChartSize(const std::vector<Measurement>& measurements)
{
    const auto orders = static_cast<int>(OrdersOf(measurements).size());
    if (orders <= 1) return kSize;
    const int rows = (orders + kPanelColumns - 1) / kPanelColumns;
    return {kPanelColumns * kPanel.width() + kLegendWidth, kTitleHeight + rows * kPanel.height()};
}

QColor MethodColour(sorting::SortMethod method)
{
    switch (method) {
        case sorting::SortMethod::Selection:
            return QColor(31, 119, 180);
        case sorting::SortMethod::Insertion:
            return QColor(44, 160, 44);
        case sorting::SortMethod::Bubble:
            return QColor(214, 39, 40);
        case sorting::SortMethod::Merge:
            return QColor(148, 103, 189);
        case sorting::SortMethod::Shell:
            return QColor(255, 127, 14);
        case sorting::SortMethod::Heap:
            return QColor(140, 86, 75);
        case sorting::SortMethod::Quick:
            return QColor(227, 119, 194);
    }
    return Qt::black;
}

void WriteGrowthChart(const std::vector<Measurement>& measurements, const std::string& path)
{
    std::vector<Measurement> made;
    std::copy_if(measurements.begin(), measurements.end(), std::back_inserter(made),
                 [](const Measurement& m) { return m.Made(); });
    // Written beside the target and renamed into place only when whole, so that a failed or
    // interrupted run never leaves half a chart, nor destroys an earlier one.
    const QString fileName = QString::fromStdString(path);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the chart to " + path + ": " + file.errorString().toStdString());
    if (fileName.endsWith(".svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(ChartSize(made));
        svg.setViewBox(QRect(QPoint(0, 0), ChartSize(made)));
        svg.setTitle("Sorting methods: time against count");
        QPainter painter;
        if (!painter.begin(&svg)) throw std::runtime_error("cannot draw the chart for " + path);
        DrawChart(painter, made);
        painter.end();
    } else {
        QImage image(ChartSize(made), QImage::Format_RGB32);
        {
            QPainter painter(&image);
            DrawChart(painter, made);
        }
        if (!image.save(&file, "PNG")) throw std::runtime_error("cannot write the chart to " + path);
    }
    if (!file.commit())
        throw std::runtime_error("cannot write the chart to " + path + ": " + file.errorString().toStdString());
}

}  // namespace compare
