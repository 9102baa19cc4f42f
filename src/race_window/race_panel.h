#pragma once

#include "race/race.h"

#include <QWidget>

class QPainter;

namespace race_window {

// One method's lane of the race: its items as bars (blue for small to red for large, as in
// the window's animation, scaled to the largest item), its name above, and below them its
// live counts, its share of the work and its current step in words. The items of the current
// step are marked: the two compared in one colour, those moved or written in another, on the
// bars and on a strip beneath them. Only what changed is painted again.
class RacePanel : public QWidget {
    Q_OBJECT

public:
    RacePanel(sorting::SortMethod method, QWidget* parent = nullptr);

    // The race to show; the panel paints it whole.
    void Show(race::Race* race);
    // Paints what changed since the last call.
    void Refresh();

    // The lines below the bars, as the panel shows them.
    QString CountsText() const;
    QString ProgressText() const;
    QString StepText() const;

    QSize sizeHint() const override { return {420, 280}; }
    QSize minimumSizeHint() const override { return {160, 130}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect BarsArea() const;
    QRect TextArea() const;
    // The left edge of bar i (1 to n + 1), on a whole device pixel.
    qreal BarEdge(std::int32_t i) const;
    // Where bar i and its mark are drawn, over the bars and the strip beneath them.
    QRect MarkArea(std::int32_t i) const;
    void UpdateMarked(const race::StepSeen& step);
    qreal BarHeight(std::int32_t i) const;
    void PaintTitle(QPainter& painter) const;
    void PaintBars(QPainter& painter, const QRect& area) const;
    void PaintMarks(QPainter& painter, const QRect& area) const;
    void PaintLines(QPainter& painter) const;
    void UpdateDescription();

    sorting::SortMethod method_;
    race::Race* race_ = nullptr;
    QString shownText_;
    race::StepSeen shownStep_;
};

}  // namespace race_window
