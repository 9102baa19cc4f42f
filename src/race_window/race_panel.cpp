#include "race_window/race_panel.h"

#include "animation/bar_colour.h"
#include "platform/qt_conversions.h"

#include <QLocale>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace race_window {
namespace {

constexpr int kTitleHeight = 22;
constexpr int kTextHeight = 38;

QString Number(std::int64_t n) { return QLocale().toString(static_cast<qlonglong>(n)); }

QString Ordinal(int rank)
{
    static const char* const names[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th"};
    return names[std::clamp(rank, 1, 7) - 1];
}

QColor BarColour(float value) { return QColor(platform::ToRgb(animation::BarColour(value))); }

}  // namespace

RacePanel::RacePanel(sorting::SortMethod method, QWidget* parent) : QWidget(parent), method_(method)
{
    const QString name = platform::ToQString(sorting::MethodName(method));
    setObjectName("Panel" + name);
    setAccessibleName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RacePanel::Show(race::Race* race)
{
    race_ = race;
    shownText_.clear();
    UpdateDescription();
    update();
}

QString RacePanel::CountsText() const
{
    if (!race_) return {};
    const sorting::SortCounts done = race_->Lane(method_).CountsDone();
    const QString changes = method_ == sorting::SortMethod::Merge ? tr("merges %1").arg(Number(done.merges))
                                                                  : tr("exchanges %1").arg(Number(done.exchanges));
    return tr("comparisons %1   %2   moves %3").arg(Number(done.comparisons), changes, Number(done.moves));
}

QString RacePanel::ProgressText() const
{
    if (!race_) return {};
    const race::Replay& lane = race_->Lane(method_);
    if (lane.Finished())
        return tr("done: %1, %2 steps").arg(Ordinal(race_->Rank(method_)), Number(std::int64_t(lane.TotalSteps())));
    const double share = lane.TotalSteps() == 0 ? 1.0 : double(lane.StepsDone()) / double(lane.TotalSteps());
    return tr("%1 % of %2 steps").arg(std::floor(share * 100)).arg(Number(std::int64_t(lane.TotalSteps())));
}

void RacePanel::UpdateDescription()
{
    const QString text = CountsText() + "\n" + ProgressText();
    if (text == shownText_) return;
    shownText_ = text;
    setAccessibleDescription(text);
    update(TextArea());
}

void RacePanel::Refresh()
{
    if (!race_) return;
    const auto [first, last] = race_->Lane(method_).TakeChanged();
    if (first <= last) {
        const QRect bars = BarsArea();
        const int left = static_cast<int>(std::floor(BarEdge(std::max(first, 1))));
        const int right = static_cast<int>(std::ceil(BarEdge(last + 1)));
        update(QRect(left, bars.top(), right - left + 1, bars.height()));
    }
    UpdateDescription();
}

QRect RacePanel::BarsArea() const { return rect().adjusted(6, kTitleHeight, -6, -kTextHeight); }

QRect RacePanel::TextArea() const { return QRect(0, height() - kTextHeight, width(), kTextHeight); }

qreal RacePanel::BarEdge(std::int32_t i) const
{
    const QRect bars = BarsArea();
    const std::int32_t n = race_ ? std::max(race_->NumItems(), 1) : 1;
    const qreal ratio = devicePixelRatioF();
    return std::round((bars.left() + qreal(bars.width()) * (i - 1) / n) * ratio) / ratio;
}

void RacePanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().base());
    if (event->rect().top() < kTitleHeight) {
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(palette().text().color());
        painter.drawText(QRect(6, 2, width() - 12, kTitleHeight - 2), Qt::AlignLeft | Qt::AlignVCenter,
                         accessibleName());
        painter.setFont(font());
    }
    if (!race_) return;

    const QRect bars = BarsArea();
    const std::vector<float>& items = race_->Lane(method_).Items();
    const auto n = static_cast<std::int32_t>(items.size()) - 1;
    // Only the bars that meet the area to paint.
    const auto from = std::max<std::int32_t>(
        1, static_cast<std::int32_t>(std::floor(double(event->rect().left() - bars.left()) * n / bars.width())));
    const auto to = std::min<std::int32_t>(
        n,
        static_cast<std::int32_t>(std::ceil(double(event->rect().right() - bars.left() + 1) * n / bars.width())) + 1);
    for (std::int32_t i = from; i <= to; ++i) {
        const float value = items[static_cast<std::size_t>(i)];
        const qreal left = BarEdge(i), right = std::max(BarEdge(i + 1), left + 1.0 / devicePixelRatioF());
        const qreal height = std::max<qreal>(1.0 / devicePixelRatioF(), value * bars.height());
        painter.fillRect(QRectF(left, bars.bottom() + 1 - height, right - left, height), BarColour(value));
    }
    if (event->rect().intersects(TextArea())) {
        painter.setPen(palette().text().color());
        const QRect text = TextArea().adjusted(6, 2, -6, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, CountsText());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom, ProgressText());
    }
}

}  // namespace race_window
