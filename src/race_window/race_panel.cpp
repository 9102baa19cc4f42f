#include "race_window/race_panel.h"

#include "animation/bar_colour.h"
#include "desktop/qt_conversions.h"
#include "race/step_words.h"
#include "race_window/mark_colours.h"

#include <QLocale>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace race_window {
namespace {

constexpr int kTitleHeight = 22;
constexpr int kStripHeight = 7;  // the strip beneath the bars where the marks show too
constexpr int kTextHeight = 56;
constexpr int kMarkWidth = 5;  // pixels, at the least: a mark stays visible among 2,000 bars

QString Number(std::int64_t n) { return QLocale().toString(static_cast<qlonglong>(n)); }

QString Ordinal(int rank)
{
    static const char* const names[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th"};
    return names[std::clamp(rank, 1, 7) - 1];
}

QColor BarColour(float value) { return QColor(desktop::ToRgb(animation::BarColour(value))); }

// The items a step marks, and in which colour; none where a step reads element 0.
struct Mark {
    std::int32_t item;
    QColor colour;
};

std::vector<Mark> MarksOf(const race::StepSeen& step)
{
    using Kind = race::StepSeen::Kind;
    const QColor compared(desktop::ToRgb(kComparedColour)), moved(desktop::ToRgb(kMovedColour));
    std::vector<Mark> marks;
    if (step.kind == Kind::Compared) marks = {{step.first, compared}, {step.second, compared}};
    if (step.kind == Kind::Exchanged) marks = {{step.first, moved}, {step.second, moved}};
    if (step.kind == Kind::CopiedOut || step.kind == Kind::Written) marks = {{step.first, moved}};
    std::erase_if(marks, [](const Mark& m) { return m.item < 1; });
    return marks;
}

}  // namespace

RacePanel::RacePanel(sorting::SortMethod method, QWidget* parent) : QWidget(parent), method_(method)
{
    const QString name = desktop::ToQString(sorting::MethodName(method));
    setObjectName("Panel" + name);
    setAccessibleName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RacePanel::Show(race::Race* race)
{
    race_ = race;
    shownText_.clear();
    shownStep_ = {};
    UpdateDescription();
    update();
}

QString RacePanel::CountsText() const
{
    if (!race_) return {};
    const sorting::SortCounts done = race_->Lane(method_).CountsDone();
    const QString changes = sorting::Facts(method_).merges ? tr("merges %1").arg(Number(done.merges))
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

QString RacePanel::StepText() const
{
    return race_ ? desktop::ToQString(race::StepInWords(race_->Lane(method_).LastStep(), method_)) : QString();
}

void RacePanel::UpdateDescription()
{
    const QString text = CountsText() + "\n" + ProgressText() + "\n" + StepText();
    if (text == shownText_) return;
    shownText_ = text;
    setAccessibleDescription(text);
    update(TextArea());
}

void RacePanel::UpdateMarked(const race::StepSeen& step)
{
    for (const Mark& mark : MarksOf(step)) update(MarkArea(mark.item));
}

void RacePanel::Refresh()
{
    if (!race_) return;
    race::Replay& lane = race_->Lane(method_);
    const auto [first, last] = lane.TakeChanged();
    if (first <= last) {
        const QRect bars = BarsArea();
        const int left = static_cast<int>(std::floor(BarEdge(std::max(first, 1))));
        const int right = static_cast<int>(std::ceil(BarEdge(last + 1)));
        update(QRect(left, bars.top(), right - left + 1, bars.height() + kStripHeight));
    }
    // The mark moves: where it was is painted plain again.
    const race::StepSeen step = lane.LastStep();
    if (!(step == shownStep_)) {
        UpdateMarked(shownStep_);
        UpdateMarked(step);
        shownStep_ = step;
    }
    UpdateDescription();
}

QRect RacePanel::BarsArea() const { return rect().adjusted(6, kTitleHeight, -6, -kTextHeight - kStripHeight); }

QRect RacePanel::TextArea() const { return QRect(0, height() - kTextHeight, width(), kTextHeight); }

qreal RacePanel::BarEdge(std::int32_t i) const
{
    const QRect bars = BarsArea();
    const std::int32_t n = race_ ? std::max(race_->NumItems(), 1) : 1;
    const qreal ratio = devicePixelRatioF();
    return std::round((bars.left() + qreal(bars.width()) * (i - 1) / n) * ratio) / ratio;
}

QRect RacePanel::MarkArea(std::int32_t i) const
{
    const QRect bars = BarsArea();
    const double middle = (BarEdge(i) + BarEdge(i + 1)) / 2;
    const double half = std::max((BarEdge(i + 1) - BarEdge(i)) / 2, kMarkWidth / 2.0);
    return QRect(QPoint(static_cast<int>(std::floor(middle - half)) - 1, bars.top()),
                 QPoint(static_cast<int>(std::ceil(middle + half)) + 1, bars.bottom() + kStripHeight));
}

void RacePanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().base());
    if (event->rect().top() < kTitleHeight) PaintTitle(painter);
    if (!race_) return;
    PaintBars(painter, event->rect());
    PaintMarks(painter, event->rect());
    if (event->rect().intersects(TextArea())) PaintLines(painter);
}

void RacePanel::PaintTitle(QPainter& painter) const
{
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().text().color());
    painter.drawText(QRect(6, 2, width() - 12, kTitleHeight - 2), Qt::AlignLeft | Qt::AlignVCenter, accessibleName());
    painter.setFont(font());
}

qreal RacePanel::BarHeight(std::int32_t i) const
{
    const float largest = race_->Largest() > 0 ? race_->Largest() : 1.0f;
    const float item = race_->Lane(method_).Items()[static_cast<std::size_t>(i)];
    return std::max<qreal>(1.0 / devicePixelRatioF(), item / largest * BarsArea().height());
}

// Only the bars that meet the area to paint.
void RacePanel::PaintBars(QPainter& painter, const QRect& area) const
{
    const QRect bars = BarsArea();
    const std::vector<float>& items = race_->Lane(method_).Items();
    const auto n = static_cast<std::int32_t>(items.size()) - 1;
    const float largest = race_->Largest() > 0 ? race_->Largest() : 1.0f;
    const qreal pixel = 1.0 / devicePixelRatioF();
    const auto from = std::max<std::int32_t>(
        1, static_cast<std::int32_t>(std::floor(double(area.left() - bars.left() - kMarkWidth) * n / bars.width())));
    const auto to = std::min<std::int32_t>(
        n, static_cast<std::int32_t>(std::ceil(double(area.right() - bars.left() + 1) * n / bars.width())) + 1);
    for (std::int32_t i = from; i <= to; ++i) {
        const qreal left = BarEdge(i), right = std::max(BarEdge(i + 1), left + pixel), height = BarHeight(i);
        painter.fillRect(QRectF(left, bars.bottom() + 1 - height, right - left, height),
                         BarColour(items[static_cast<std::size_t>(i)] / largest));
    }
}

// The marked bars over the others, at least a few pixels wide, and their strip beneath.
void RacePanel::PaintMarks(QPainter& painter, const QRect& area) const
{
    const QRect bars = BarsArea();
    for (const Mark& mark : MarksOf(shownStep_)) {
        if (!area.intersects(MarkArea(mark.item))) continue;
        const QRectF marked = MarkArea(mark.item).adjusted(1, 0, -1, 0);
        const qreal height = BarHeight(mark.item);
        painter.fillRect(QRectF(marked.left(), bars.bottom() + 1 - height, marked.width(), height), mark.colour);
        painter.fillRect(QRectF(marked.left(), bars.bottom() + 2, marked.width(), kStripHeight - 2), mark.colour);
    }
}

// The counts, the share of the work and the step in words, a line each.
void RacePanel::PaintLines(QPainter& painter) const
{
    painter.setPen(palette().text().color());
    const QRect text = TextArea().adjusted(6, 1, -6, 0);
    const int line = text.height() / 3;
    painter.drawText(text.adjusted(0, 0, 0, -2 * line), Qt::AlignLeft | Qt::AlignVCenter, CountsText());
    painter.drawText(text.adjusted(0, line, 0, -line), Qt::AlignLeft | Qt::AlignVCenter, ProgressText());
    painter.drawText(text.adjusted(0, 2 * line, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, StepText());
}

}  // namespace race_window
