// Where a panel puts its parts, from the top: the title, the values, the bars, the marks' strip,
// the items set aside and the lines of text; all measures grow with the panel's font.

#include "race_window/race_panel.h"
#include "race_window/step_words.h"

#include <QApplication>

#include <algorithm>
#include <cmath>

namespace race_window {

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

std::optional<std::int32_t> RacePanel::ItemAt(QPoint point) const
{
    if (!race_ || point.y() < measures_.titleHeight || point.y() > aside_.bottom()) return std::nullopt;
    for (std::int32_t i = 1; i <= race_->NumItems(); ++i)
        if (point.x() >= BarEdge(i) && point.x() < std::max(BarEdge(i + 1), BarEdge(i) + 1)) return i;
    return std::nullopt;
}

std::optional<sorting::Index> RacePanel::PlaceAt(QPoint point) const
{
    const auto item = ItemAt(point);
    if (item && aside_.contains(point))
        for (const auto& copy : Lane().CopiedOut())
            if (copy.at == *item) return sorting::ScratchPlace(*item);
    return item;
}

bool RacePanel::ShowsValues() const { return race_ && race_->NumItems() <= kMostValued; }

// The values' band above the bars: upright where every value fits its bar's width, else
// written up the bars.
void RacePanel::Relayout()
{
    const QSize least = minimumSizeHint();
    // Narrower than the least a panel is given, it is not laid out yet: the lines counted there
    // would ask for a window too tall.
    textLines_ = width() < least.width() ? textLines_ : TextLineCount();
    valueBand_ = 0;
    placeBand_ = ShowsValues() ? QFontMetrics(SmallFont()).height() : 0;
    LayOutAreas();
    if (ShowsValues()) {
        const QFontMetrics metrics(font());
        int widest = 0;
        for (std::int32_t i = 1; i <= race_->NumItems(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(ValueText(Lane().Source().start[i])));
        valuesUpright_ = widest + 2 <= BarEdge(2) - BarEdge(1);
        valueBand_ = valuesUpright_ ? metrics.height() : widest + 4;
        LayOutAreas();
    }
    // The layout around asks again for the panel's least size where it changed.
    if (minimumSizeHint() != least) updateGeometry();
}

// At its least the panel holds one line of text and half the strip of the items set aside in
// the half that is not the bars'.
QSize RacePanel::minimumSizeHint() const
{
    // Never narrower than its title, in any language.
    const int titleWidth = QFontMetrics(TitleFont()).horizontalAdvance(accessibleName()) + 2 * measures_.margin;
    const int notBars = measures_.titleHeight + valueBand_ + measures_.stripHeight + placeBand_ + LeastAside() +
                        fontMetrics().height() + 4;
    return {std::max(measures_.leastWidth, titleWidth), 2 * notBars + 2};
}

// From the bottom up: the lines of text, the items set aside, the places, the marks' strip, the
// bars, and their values above them. Half the panel at the least is the bars': the text gives
// way down to one line and the strip of the items set aside down to half its height before the
// bars get smaller.
void RacePanel::LayOutAreas()
{
    const int line = fontMetrics().height();
    const int above = measures_.titleHeight + valueBand_, below = measures_.stripHeight + placeBand_;
    const int halfLeft = height() / 2 - above - below;  // the other half, for all but the bars
    const int asideHeight = std::clamp(halfLeft - (textLines_ * line + 4), LeastAside(), NominalAside());
    shownLines_ = std::clamp((halfLeft - asideHeight - 4) / line, 1, textLines_);
    const int textHeight = shownLines_ * line + 4;
    text_ = QRect(0, height() - textHeight, width(), textHeight);
    bars_ = QRect(QPoint(measures_.margin, above),
                  QPoint(width() - measures_.margin - 1, text_.top() - asideHeight - below - 1));
    aside_ = QRect(bars_.left(), bars_.bottom() + below + 1, bars_.width(), asideHeight - 2);
}

// The items set aside carry their values too where the bars do.
int RacePanel::NominalAside() const { return ShowsValues() ? measures_.asideHeight : 2 * measures_.asideHeight / 3; }

int RacePanel::LeastAside() const { return NominalAside() / 2; }

QRect RacePanel::PlacesArea() const
{
    return QRect(bars_.left(), bars_.bottom() + measures_.stripHeight + 1, bars_.width(), placeBand_);
}

QFont RacePanel::SmallFont() const
{
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.8);
    return small;
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

}  // namespace race_window
