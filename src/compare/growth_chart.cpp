#include "compare/growth_chart.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace compare {
namespace {

constexpr QSize kSize(800, 520);
constexpr QMargins kMargins(80, 40, 150, 60);

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

QString CountLabel(int decade) { return QLocale(QLocale::English).toString(std::pow(10.0, decade), 'f', 0); }

QString TimeLabel(int decade)
{
    if (decade >= 0) return QString("%1 s").arg(QLocale(QLocale::English).toString(std::pow(10.0, decade), 'f', 0));
    if (decade >= -3) return QString("%1 ms").arg(std::pow(10.0, decade + 3));
    if (decade >= -6) return QString("%1 µs").arg(std::pow(10.0, decade + 6));
    return QString("%1 ns").arg(std::pow(10.0, decade + 9));
}

void DrawAxes(QPainter& painter, const LogLogScale& scale, QRect plot)
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
        const QString label = CountLabel(d);
        const double x = scale.At(std::pow(10.0, d), 1).x();
        painter.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2.0, plot.bottom() + 18), label);
    }
    for (int d = scale.FirstDecadeY(); d <= scale.LastDecadeY(); ++d) {
        const QString label = TimeLabel(d);
        const double y = scale.At(10, std::pow(10.0, d)).y();
        painter.drawText(QPointF(plot.left() - 8 - metrics.horizontalAdvance(label), y + 4), label);
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 28, plot.width(), 20), Qt::AlignHCenter, "number of items");
    painter.drawText(QRect(plot.left(), 8, plot.width(), 24), Qt::AlignHCenter, "time of the sort (log-log)");
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

void DrawChart(QPainter& painter, const std::vector<Measurement>& measurements)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), kSize), Qt::white);
    const QRect plot = QRect(QPoint(0, 0), kSize).marginsRemoved(kMargins);
    const LogLogScale scale(measurements, plot);
    DrawAxes(painter, scale, plot);
    if (!scale.Valid()) return;

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

    int legendRow = 0;
    for (sorting::SortMethod method : sorting::kSortMethods) {
        QPolygonF line;
        for (const Measurement& m : measurements)
            if (m.method == method && m.seconds > 0) line << scale.At(m.count, m.seconds);
        if (line.isEmpty()) continue;
        painter.setPen(QPen(MethodColour(method), 2));
        painter.drawPolyline(line);
        painter.setBrush(MethodColour(method));
        for (const QPointF& point : line) painter.drawEllipse(point, 3, 3);
        painter.setBrush(Qt::NoBrush);
        const QPointF key(plot.right() + 16, plot.top() + 16 + 22 * legendRow++);
        painter.drawLine(key, key + QPointF(24, 0));
        painter.setPen(Qt::black);
        painter.drawText(key + QPointF(32, 4), QString::fromUtf8(sorting::MethodName(method).data(),
                                                                 int(sorting::MethodName(method).size())));
    }
}

}  // namespace

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
    }
    return Qt::black;
}

void WriteGrowthChart(const std::vector<Measurement>& measurements, const std::string& path)
{
    const QString fileName = QString::fromStdString(path);
    if (fileName.endsWith(".svg")) {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(kSize);
        svg.setViewBox(QRect(QPoint(0, 0), kSize));
        svg.setTitle("Sorting methods: time against count");
        QPainter painter;
        if (!painter.begin(&svg)) throw std::runtime_error("cannot write the chart to " + path);
        DrawChart(painter, measurements);
        painter.end();
        return;
    }
    QImage image(kSize, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        DrawChart(painter, measurements);
    }
    if (!image.save(fileName, "PNG")) throw std::runtime_error("cannot write the chart to " + path);
}

}  // namespace compare
