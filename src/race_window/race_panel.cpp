#include "race_window/race_panel.h"

#include "desktop/qt_conversions.h"
#include "race_window/count_words.h"
#include "race_window/mark_colours.h"
#include "race_window/step_words.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace race_window {
namespace {

QString Number(std::int64_t n) { return QLocale().toString(static_cast<qlonglong>(n)); }

// The places a step marks, and in which colour: items on their bars, scratch entries in the
// strip of the items set aside. None where a step reads element 0.
struct Mark {
    sorting::Index place;
    QColor colour;
};

std::vector<Mark> MarksOf(const race::StepSeen& step)
{
    using Kind = race::StepSeen::Kind;
    const QColor compared(desktop::ToRgb(kComparedColour)), moved(desktop::ToRgb(kMovedColour));
    std::vector<Mark> marks;
    if (step.kind == Kind::Compared) marks = {{step.first, compared}, {step.second, compared}};
    if (step.kind == Kind::Read) marks = {{step.first, compared}};
    if (step.kind == Kind::Held || step.kind == Kind::Shifted || step.kind == Kind::Put || step.kind == Kind::Moved)
        marks = {{step.first, moved}, {step.second, moved}};
    if (step.kind == Kind::CopiedOut || step.kind == Kind::Written) marks = {{step.first, moved}};
    std::erase_if(marks, [](const Mark& m) { return m.place == 0; });
    return marks;
}

// The words of `text` on lines no wider than `width`, at most `most` of them; the last is
// cut short, visibly, where they do not fit.
QStringList Wrapped(const QString& text, const QFontMetrics& metrics, int width, int most)
{
    QStringList lines;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + ' ' + word) <= width)
            lines.back() += ' ' + word;
        else
            lines << word;
    }
    if (lines.size() > most) {
        lines = lines.mid(0, most);
        lines.back() = metrics.elidedText(lines.back() + " \u2026", Qt::ElideRight, width);
    }
    return lines;
}

}  // namespace

RacePanel::RacePanel(sorting::SortMethod method, QWidget* parent) : QWidget(parent), method_(method)
{
    setObjectName("Panel" + desktop::ToQString(sorting::MethodName(method)));
    setAccessibleName(desktop::ToQString(sorting::MethodTitle(method)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click or Tab gives the race the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    FollowFont();
}

void RacePanel::Show(race::Race* race)
{
    race_ = race;
    shownText_.clear();
    shownStep_ = {};
    Relayout();
    UpdateDescription();
    update();
}

void RacePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void RacePanel::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    emit Pressed(ItemAt(event->position().toPoint()));
}

void RacePanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Activated();
        return;
    }
    QWidget::keyPressEvent(event);
}

RacePanel::Measures RacePanel::ScaledMeasures(qreal zoom)
{
    const Measures usual;
    const auto scaled = [zoom](int pixels) { return static_cast<int>(std::lround(pixels * zoom)); };
    return {scaled(usual.titleHeight), scaled(usual.stripHeight), scaled(usual.asideHeight), scaled(usual.markWidth),
            usual.stub * zoom,         scaled(usual.margin),      scaled(usual.leastWidth)};
}

QFont RacePanel::TitleFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

void RacePanel::FollowFont()
{
    // The marks grow with the text: a zoom is a larger font on the window.
    measures_ = ScaledMeasures(font().pointSizeF() / QApplication::font(this).pointSizeF());
}

// Each bar tells its item, its value, and its rank among the items of that value.
bool RacePanel::event(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        FollowFont();
        updateGeometry();
        Relayout();
        update();
    }
    if (event->type() != QEvent::ToolTip || !race_) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const auto item = ItemAt(help->pos());
    if (!item) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), tr("item %1: %2").arg(*item).arg(Named(*item)), this);
    return true;
}

std::optional<std::int32_t> RacePanel::ItemAt(QPoint point) const
{
    if (!race_ || point.y() < measures_.titleHeight || point.y() > aside_.bottom()) return std::nullopt;
    for (std::int32_t i = 1; i <= race_->NumItems(); ++i)
        if (point.x() >= BarEdge(i) && point.x() < std::max(BarEdge(i + 1), BarEdge(i) + 1)) return i;
    return std::nullopt;
}

QString RacePanel::Named(std::int32_t item) const
{
    const QString value = ValueText(Lane().Items()[static_cast<std::size_t>(item)]);
    const auto rank = Lane().RankAmongEquals(Lane().Origin(item));
    return rank ? value + QChar('a' + std::min(*rank, 25)) : value;
}

void RacePanel::SetLookedAt(bool lookedAt)
{
    lookedAt_ = lookedAt;
    update();
}

void RacePanel::SetChoices(const std::vector<std::int32_t>& chosen, std::int32_t cursor)
{
    chosen_ = chosen;
    cursor_ = cursor;
    update();
}

QString RacePanel::Verdict() const
{
    if (!race_ || !Lane().Finished() || !Lane().HasEquals()) return {};
    const auto changed = Lane().EqualsChangedOrder();
    if (!changed) return tr("kept the order of equal items");
    const auto name = [&](std::int32_t origin) {
        const float value = Lane().Source().start[static_cast<std::size_t>(origin)];
        return ValueText(value) + QChar('a' + std::min(*Lane().RankAmongEquals(origin), 25));
    };
    return tr("changed the order of equal items: %1 before %2").arg(name(changed->first), name(changed->second));
}

void RacePanel::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void RacePanel::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

QStringList RacePanel::CountsLines(const sorting::SortCounts& counts) const
{
    const QString changes = sorting::Facts(method_).merges ? tr("merges %1").arg(Number(counts.merges))
                                                           : tr("exchanges %1").arg(Number(counts.exchanges));
    QStringList pieces{tr("comparisons %1").arg(Number(counts.comparisons)), changes,
                       tr("moves %1").arg(Number(counts.moves))};
    // The distribution sorts read their items' keys.
    if (Lane().Source().totals.reads > 0) pieces << tr("reads %1").arg(Number(counts.reads));
    const QFontMetrics metrics(font());
    const int width = this->width() - 2 * measures_.margin;
    QStringList lines;
    for (const QString& piece : pieces) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + "   " + piece) <= width)
            lines.back() += "   " + piece;
        else
            lines << piece;
    }
    return lines;
}

QString RacePanel::CountsText() const { return race_ ? CountsLines(Lane().CountsDone()).join("   ") : QString(); }

QString RacePanel::ProgressText() const
{
    if (!race_) return {};
    const race::Replay& lane = Lane();
    if (lane.Finished())
        return tr("done: %1, %2 steps").arg(Ordinal(race_->Rank(method_)), Number(std::int64_t(lane.TotalSteps())));
    const double share = lane.TotalSteps() == 0 ? 1.0 : double(lane.StepsDone()) / double(lane.TotalSteps());
    return tr("%1 % of %2 steps").arg(std::floor(share * 100)).arg(Number(std::int64_t(lane.TotalSteps())));
}

QString RacePanel::StepText() const
{
    if (!race_) return {};
    return Lane().Finished() ? Verdict() : StepInWords(Lane(), method_);
}

QStringList RacePanel::TextLines() const
{
    if (!race_) return {};
    const QFontMetrics metrics(font());
    const int width = this->width() - 2 * measures_.margin;
    QStringList lines = CountsLines(Lane().CountsDone());
    lines << Wrapped(ProgressText(), metrics, width, 2);
    const int left = std::max(1, textLines_ - static_cast<int>(lines.size()));
    lines << Wrapped(StepText(), metrics, width, left);
    return lines;
}

int RacePanel::TextLineCount() const
{
    if (!race_) return 3;
    // The counts at their largest, the share when it is done, and the longest of the steps
    // in words.
    const QFontMetrics metrics(font());
    const int width = this->width() - 2 * measures_.margin;
    const QString done = tr("done: %1, %2 steps")
                             .arg(Ordinal(static_cast<int>(race_->Methods().size())),
                                  Number(std::int64_t(Lane().TotalSteps())));
    const QString longStep = tr("exchange: moves %1 from item %2 to item %3").arg("0.523", "2,000", "1,999");
    return static_cast<int>(CountsLines(Lane().Source().totals).size() + Wrapped(done, metrics, width, 2).size() +
                            Wrapped(longStep, metrics, width, 2).size());
}

bool RacePanel::ShowsValues() const { return race_ && race_->NumItems() <= kMostValued; }

// The values' band above the bars: upright where every value fits its bar's width, else
// written up the bars.
void RacePanel::Relayout()
{
    // Narrower than the least a panel is given, it is not laid out yet: the lines counted there
    // would ask for a window too tall.
    const int lines = width() < minimumSizeHint().width() ? textLines_ : TextLineCount();
    if (lines != textLines_) {
        textLines_ = lines;
        updateGeometry();
    }
    valueBand_ = 0;
    LayOutAreas();
    if (!ShowsValues()) return;
    const QFontMetrics metrics(font());
    int widest = 0;
    for (std::int32_t i = 1; i <= race_->NumItems(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(ValueText(Lane().Source().start[i])));
    valuesUpright_ = widest + 2 <= BarEdge(2) - BarEdge(1);
    valueBand_ = valuesUpright_ ? metrics.height() : widest + 4;
    LayOutAreas();
}

QSize RacePanel::minimumSizeHint() const
{
    constexpr int kLeastBars = 24;
    // Never narrower than its title, in any language.
    const int titleWidth = QFontMetrics(TitleFont()).horizontalAdvance(accessibleName()) + 2 * measures_.margin;
    return {
        std::max(measures_.leastWidth, titleWidth),
        measures_.titleHeight + valueBand_ + kLeastBars + measures_.stripHeight + aside_.height() + 2 + text_.height()};
}

void RacePanel::UpdateDescription()
{
    const QString text = TextLines().join("\n");
    if (text == shownText_) return;
    shownText_ = text;
    // Where the bars carry their values, the description reads them out too.
    QStringList items;
    for (std::int32_t i = 1; ShowsValues() && i <= race_->NumItems(); ++i)
        if (!Lane().Vacated(i)) items << Named(i);
    setAccessibleDescription(CountsText() + "\n" + ProgressText() + "\n" +
                             (items.isEmpty() ? QString() : tr("items: %1").arg(items.join(' ')) + "\n") + StepText());
    update(TextArea());
}

void RacePanel::UpdateMarked(const race::StepSeen& step)
{
    for (const Mark& mark : MarksOf(step))
        update(sorting::IsScratch(mark.place) ? AsideArea() : MarkArea(static_cast<std::int32_t>(mark.place)));
}

void RacePanel::Refresh()
{
    if (!race_) return;
    const race::Replay::Changes changes = race_->Lane(method_).TakeChanged();
    if (changes.first <= changes.last) {
        const int left = static_cast<int>(std::floor(BarEdge(std::max(changes.first, 1)))) - 1;
        const int right = static_cast<int>(std::ceil(BarEdge(changes.last + 1))) + 1;
        update(QRect(QPoint(left, measures_.titleHeight), QPoint(right, AsideArea().top())));
    }
    if (changes.aside) update(AsideArea());
    // The mark moves: where it was is painted plain again.
    const race::StepSeen step = Lane().LastStep();
    if (!(step == shownStep_)) {
        UpdateMarked(shownStep_);
        UpdateMarked(step);
        shownStep_ = step;
    }
    UpdateDescription();
}

// From the bottom up: the lines of text, the items set aside, the marks' strip, the bars, and
// their values above them.
void RacePanel::LayOutAreas()
{
    const int textHeight = textLines_ * fontMetrics().height() + 4;
    // The items set aside carry their values too where the bars do.
    const int asideHeight = ShowsValues() ? measures_.asideHeight : 2 * measures_.asideHeight / 3;
    text_ = QRect(0, height() - textHeight, width(), textHeight);
    bars_ = QRect(QPoint(measures_.margin, measures_.titleHeight + valueBand_),
                  QPoint(width() - measures_.margin - 1, text_.top() - asideHeight - measures_.stripHeight - 1));
    aside_ = QRect(bars_.left(), bars_.bottom() + measures_.stripHeight + 1, bars_.width(), asideHeight - 2);
}

QString RacePanel::AsideCaption() const
{
    if (!race_) return {};
    if (Lane().Held()) return tr("in hand");
    return Lane().CopiedOut().empty() ? QString() : tr("copied out");
}

qreal RacePanel::BarEdge(std::int32_t i) const
{
    const QRect bars = BarsArea();
    const std::int32_t n = race_ ? std::max(race_->NumItems(), 1) : 1;
    const qreal ratio = devicePixelRatioF();
    return std::round((bars.left() + qreal(bars.width()) * (i - 1) / n) * ratio) / ratio;
}

qreal RacePanel::BarHeight(float value, qreal areaHeight) const
{
    const float largest = race_->Largest() > 0 ? race_->Largest() : 1.0f;
    return std::max(measures_.stub, value / largest * (areaHeight - measures_.stub) + measures_.stub * (value > 0));
}

QRectF RacePanel::BarRect(std::int32_t i) const
{
    const QRect bars = BarsArea();
    const qreal left = BarEdge(i), right = std::max(BarEdge(i + 1), left + 1.0 / devicePixelRatioF());
    const qreal height = BarHeight(Lane().Items()[static_cast<std::size_t>(i)], bars.height());
    return QRectF(left, bars.bottom() + 1 - height, right - left, height);
}

std::optional<QRectF> RacePanel::ValueRect(std::int32_t i) const
{
    if (!ShowsValues() || Lane().Vacated(i)) return std::nullopt;
    const QRectF bar = BarRect(i);
    const qreal band = valueBand_;
    if (valuesUpright_) return QRectF(bar.left() - 1, bar.top() - band, bar.width() + 2, band);
    const qreal middle = bar.center().x(), half = fontMetrics().height() / 2.0;
    return QRectF(middle - half, bar.top() - band, 2 * half, band);
}

QRect RacePanel::MarkArea(std::int32_t i) const
{
    const QRect bars = BarsArea();
    const double middle = (BarEdge(i) + BarEdge(i + 1)) / 2;
    const double half = std::max((BarEdge(i + 1) - BarEdge(i)) / 2, measures_.markWidth / 2.0);
    return QRect(QPoint(static_cast<int>(std::floor(middle - half)) - 1, measures_.titleHeight),
                 QPoint(static_cast<int>(std::ceil(middle + half)) + 1, bars.bottom() + measures_.stripHeight));
}

void RacePanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().base());
    if (event->rect().top() < measures_.titleHeight) PaintTitle(painter);
    if (!race_) return;
    PaintBars(painter, event->rect());
    if (ShowsValues()) PaintValues(painter);
    if (Lane().HasEquals()) PaintEqualsLabels(painter);
    PaintAside(painter);
    PaintMarks(painter, event->rect());
    PaintChoices(painter);
    if (event->rect().intersects(TextArea())) PaintLines(painter);
    // Framed while a class looks at its code; the keyboard's focus dotted.
    if (lookedAt_) painter.setPen(QPen(palette().highlight().color(), 3));
    if (lookedAt_) painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
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
