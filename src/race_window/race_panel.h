#pragma once

#include "race/race.h"

#include <QWidget>

namespace race_window {

// One method's lane of the race: its items as bars (blue for small to red for large, as in
// the window's animation), its name above, and its live counts and share of the work below.
// Only the bars that changed are painted again.
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

    QSize sizeHint() const override { return {420, 260}; }
    QSize minimumSizeHint() const override { return {160, 110}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect BarsArea() const;
    QRect TextArea() const;
    // The left edge of bar i (1 to n + 1), on a whole device pixel.
    qreal BarEdge(std::int32_t i) const;
    void UpdateDescription();

    sorting::SortMethod method_;
    race::Race* race_ = nullptr;
    QString shownText_;
};

}  // namespace race_window
