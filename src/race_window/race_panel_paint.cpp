// How a panel paints: its title, the bars and their values, the items set aside, the marks of
// the current step, and the lines of text.

#include "animation/bar_colour.h"
#include "desktop/qt_conversions.h"
#include "race_window/mark_colours.h"
#include "race_window/race_panel.h"
#include "race_window/step_marks.h"
#include "race_window/step_words.h"

#include <QPaintEvent>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace race_window {
namespace {

QColor ColourOf(float value, float largest)
{
    return QColor(desktop::ToRgb(animation::BarColour(largest > 0 ? value / largest : 0)));
}

QColor Faint(const QPalette& palette) { return palette.color(QPalette::Disabled, QPalette::Text); }

}  // namespace

void RacePanel::PaintTitle(QPainter& painter) const
{
    painter.setFont(TitleFont());
    painter.setPen(palette().text().color());
    painter.drawText(QRect(measures_.margin, 2, width() - 2 * measures_.margin, measures_.titleHeight - 2),
                     Qt::AlignLeft | Qt::AlignVCenter, accessibleName());
    painter.setFont(font());
}

// Only the bars that meet the area to paint. A place whose item has left it shows as an empty
// slot on the baseline.
void RacePanel::PaintBars(QPainter& painter, const QRect& area) const
{
    const QRect bars = BarsArea();
    const race::Replay& lane = Lane();
    const auto n = race_->NumItems();
    const auto from = std::max<std::int32_t>(
        1, static_cast<std::int32_t>(std::floor(double(area.left() - bars.left() - 6) * n / bars.width())));
    const auto to = std::min<std::int32_t>(
        n, static_cast<std::int32_t>(std::ceil(double(area.right() - bars.left() + 1) * n / bars.width())) + 1);
    for (std::int32_t i = from; i <= to; ++i) {
        const QRectF bar = BarRect(i);
        if (lane.Vacated(i))
            painter.fillRect(QRectF(bar.left(), bars.bottom(), bar.width(), 1), Faint(palette()));
        else
            painter.fillRect(bar, ColourOf(lane.Items()[static_cast<std::size_t>(i)], race_->Largest()));
    }
}

// Each item's value above its bar, upright or up the bar as the band is laid out.
void RacePanel::PaintValues(QPainter& painter) const
{
    painter.setPen(palette().text().color());
    for (std::int32_t i = 1; i <= race_->NumItems(); ++i) {
        const auto place = ValueRect(i);
        if (!place) continue;
        const QString value = ValueText(Lane().Items()[static_cast<std::size_t>(i)]);
        if (BarRect(i).width() + 2 >= place->width() && place->height() <= fontMetrics().height()) {
            painter.drawText(*place, Qt::AlignHCenter | Qt::AlignBottom, value);
            continue;
        }
        painter.save();
        painter.translate(place->center().x(), place->bottom() - 2);
        painter.rotate(-90);
        painter.drawText(QRectF(0, -place->width() / 2, place->height(), place->width()),
                         Qt::AlignLeft | Qt::AlignVCenter, value);
        painter.restore();
    }
}

// The item held in hand, under the place it was taken from, or the items copied out, each
// under its scratch entry,
// with the caption at the end away from them and, where there are few items, the values.
void RacePanel::PaintAside(QPainter& painter) const
{
    const QRect aside = AsideArea();
    painter.fillRect(aside, palette().alternateBase());
    std::vector<race::Replay::AsideItem> items = Lane().CopiedOut();
    if (const auto held = Lane().Held()) items.push_back(*held);
    if (items.empty()) return;
    const auto [first, last] =
        std::minmax_element(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.at < b.at; });
    const bool roomLeft = BarEdge(first->at) - aside.left() >= fontMetrics().horizontalAdvance(AsideCaption()) + 4;
    const bool atRight = !roomLeft && aside.right() - BarEdge(last->at + 1) > BarEdge(first->at) - aside.left();
    painter.setFont(SmallFont());
    painter.setPen(Faint(palette()));
    painter.drawText(aside.adjusted(2, 0, -2, 0), (atRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                     AsideCaption());
    painter.setFont(font());
    const int barsHeight = aside.height() / 2;
    for (const auto& item : items) {
        const qreal left = BarEdge(item.at), right = std::max(BarEdge(item.at + 1), left + 1);
        const qreal height = BarHeight(item.value, barsHeight);
        painter.fillRect(QRectF(left, aside.bottom() + 1 - height, right - left, height),
                         ColourOf(item.value, race_->Largest()));
        if (!ShowsValues()) continue;
        painter.setPen(palette().text().color());
        const QString value = ValueText(item.value);
        const qreal middle = (left + right) / 2, half = fontMetrics().horizontalAdvance(value) / 2.0 + 1;
        painter.drawText(QRectF(middle - half, aside.top(), 2 * half, aside.height() - height), Qt::AlignCenter, value);
    }
}

// The counts, the share of the work and the step in words, a line each or more.
void RacePanel::PaintLines(QPainter& painter) const
{
    painter.setPen(palette().text().color());
    const QRect text = TextArea().adjusted(6, 2, -6, 0);
    const int line = fontMetrics().height();
    const QStringList lines = TextLines();
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(text.left(), text.top() + i * line, text.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
}

// Where several items have one value, each bar wide enough carries its rank among them, a
// letter at its top in the panel's own font, so that it grows with the zoom.
void RacePanel::PaintEqualsLabels(QPainter& painter) const
{
    constexpr qreal kWideEnough = 12;
    if (BarEdge(2) - BarEdge(1) < kWideEnough) return;
    for (std::int32_t i = 1; i <= race_->NumItems(); ++i) {
        const auto rank = Lane().RankAmongEquals(Lane().Origin(i));
        if (!rank || Lane().Vacated(i)) continue;
        const QRectF bar = BarRect(i);
        const QRectF label(bar.left(), bar.top(), bar.width(), std::min<qreal>(bar.height(), fontMetrics().height()));
        painter.setPen(bar.height() >= label.height() ? Qt::white : palette().text().color());
        painter.drawText(label.translated(0, bar.height() >= label.height() ? 0 : -label.height()), Qt::AlignCenter,
                         QString(QChar('a' + std::min(*rank, 25))));
    }
}

void RacePanel::PaintWorkingPart(QPainter& painter) const
{
    using Shade = race::WorkingPart::Shade;
    const auto ground = [](Shade shade) {
        const platform::Colour colours[] = {kWorkingColour, kSortedColour, kLeftRunColour, kRightRunColour};
        return QColor(desktop::ToRgb(colours[static_cast<int>(shade)]));
    };
    const QRect bars = BarsArea();
    for (const auto& range : shownPart_.ranges)
        painter.fillRect(
            QRectF(BarEdge(range.first), bars.top(), BarEdge(range.last + 1) - BarEdge(range.first), bars.height()),
            ground(range.shade));
    if (shownPart_.pivot) {
        const qreal middle = (BarEdge(*shownPart_.pivot) + BarEdge(*shownPart_.pivot + 1)) / 2;
        const qreal half = std::max<qreal>(measures_.markWidth, (BarEdge(2) - BarEdge(1)) / 3);
        const QPointF tip[] = {
            {middle - half, qreal(bars.top())}, {middle + half, qreal(bars.top())}, {middle, bars.top() + half * 1.5}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(desktop::ToRgb(shownPart_.pivotDone ? kPivotDoneColour : kPivotColour)));
        painter.drawPolygon(tip, 3);
        painter.setBrush(Qt::NoBrush);
    }
    if (shownPart_.byte) {
        painter.setPen(palette().text().color());
        painter.drawText(QRect(measures_.margin, 2, width() - 2 * measures_.margin, measures_.titleHeight - 2),
                         Qt::AlignRight | Qt::AlignVCenter, tr("byte %1 of 4").arg(*shownPart_.byte));
    }
}

// Each bar's place under it, 1 to n, so that "items 3 and 4" can be found; where the bars are
// too narrow for every number, the first and every fifth.
void RacePanel::PaintPlaces(QPainter& painter) const
{
    const QRect band = PlacesArea();
    const QFontMetrics metrics(SmallFont());
    const auto n = race_->NumItems();
    const int every = metrics.horizontalAdvance(QLocale().toString(n)) + 2 <= BarEdge(2) - BarEdge(1) ? 1 : 5;
    painter.setFont(SmallFont());
    painter.setPen(palette().text().color());
    for (std::int32_t i = 1; i <= n; ++i) {
        if (i != 1 && i % every != 0) continue;
        const QString place = QLocale().toString(i);
        const qreal middle = (BarEdge(i) + BarEdge(i + 1)) / 2, half = metrics.horizontalAdvance(place) / 2.0 + 1;
        painter.drawText(QRectF(middle - half, band.top(), 2 * half, band.height()), Qt::AlignCenter, place);
    }
    painter.setFont(font());
}

// The bars chosen as a prediction outlined, and the one the arrow keys stand at underlined.
void RacePanel::PaintChoices(QPainter& painter) const
{
    if (!lookedAt_ || (chosen_.empty() && about_.empty() && cursor_ < 1)) return;
    const QRect bars = BarsArea();
    const auto around = [&](sorting::Index place) {
        const auto at = static_cast<std::int32_t>(sorting::IsScratch(place) ? sorting::ScratchEntry(place) : place);
        const QRect area = sorting::IsScratch(place) ? AsideArea() : bars;
        return QRectF(BarEdge(at), area.top(), BarEdge(at + 1) - BarEdge(at), area.height());
    };
    painter.setPen(QPen(palette().text().color(), 2, Qt::DashLine));
    for (std::int32_t item : about_) painter.drawRect(around(item).adjusted(-2, -2, 2, 2));
    painter.setPen(QPen(palette().highlight().color(), 2));
    for (sorting::Index place : chosen_) painter.drawRect(around(place));
    if (cursor_ >= 1 && cursor_ <= race_->NumItems())
        painter.fillRect(QRectF(BarEdge(cursor_), bars.bottom() + 2, BarEdge(cursor_ + 1) - BarEdge(cursor_), 4),
                         palette().highlight());
}

void RacePanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().base());
    if (event->rect().top() < measures_.titleHeight) PaintTitle(painter);
    if (!race_) return;
    PaintWorkingPart(painter);
    PaintBars(painter, event->rect());
    if (ShowsValues()) PaintValues(painter);
    if (ShowsValues()) PaintPlaces(painter);
    if (Lane().HasEquals()) PaintEqualsLabels(painter);
    PaintAside(painter);
    PaintMarks(painter, event->rect());
    PaintChoices(painter);
    if (event->rect().intersects(TextArea())) PaintLines(painter);
    PaintFrames(painter);
}

// Framed while a class looks at its code; the keyboard's focus dotted.
void RacePanel::PaintFrames(QPainter& painter) const
{
    if (lookedAt_) {
        painter.setPen(QPen(palette().highlight().color(), 3));
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().text().color(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

// The marked bars over the others, at least a few pixels wide, and their strip beneath; a
// marked scratch entry on the strip of the items set aside, where its copy stands.
void RacePanel::PaintMarks(QPainter& painter, const QRect& area) const
{
    const QRect bars = BarsArea();
    for (const Mark& mark : MarksOf(shownStep_)) {
        if (sorting::IsScratch(mark.place)) {
            const auto at = static_cast<std::int32_t>(sorting::ScratchEntry(mark.place));
            const QRectF column(BarEdge(at), AsideArea().top(), std::max(BarEdge(at + 1) - BarEdge(at), 1.0),
                                AsideArea().height());
            const qreal grow = std::max(0.0, (measures_.markWidth - column.width()) / 2);
            painter.fillRect(column.adjusted(-grow, AsideArea().height() / 2.0, grow, 0), mark.colour);
            continue;
        }
        const auto item = static_cast<std::int32_t>(mark.place);
        if (!area.intersects(MarkArea(item))) continue;
        const QRectF marked = MarkArea(item).adjusted(1, 0, -1, 0);
        if (!Lane().Vacated(item)) {
            const QRectF bar = BarRect(item);
            painter.fillRect(QRectF(marked.left(), bar.top(), marked.width(), bar.height()), mark.colour);
        }
        painter.fillRect(QRectF(marked.left(), bars.bottom() + 2, marked.width(), measures_.stripHeight - 2),
                         mark.colour);
    }
}

}  // namespace race_window
