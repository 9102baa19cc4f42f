#pragma once

#include "race/race.h"

#include <QWidget>

#include <vector>

class QGridLayout;

namespace race_window {

class RacePanel;

// The panels of the methods racing, one a method, in a grid of as many columns as gives each
// the most room for its bars in the window's shape (three methods on a wide window in a row).
class PanelGrid : public QWidget {
    Q_OBJECT

public:
    explicit PanelGrid(QWidget* parent = nullptr);

    // New panels for the race's lanes, in their order.
    void SetLanes(const race::Race& race);
    // The race every panel shows, whole.
    void Show(race::Race* race);
    // Each panel paints what changed.
    void Refresh();

    const std::vector<RacePanel*>& Panels() const { return panels_; }

signals:
    // The panels stand in other columns, once the layout has placed them.
    void Arranged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Arrange();

    QGridLayout* grid_;
    std::vector<RacePanel*> panels_;
    int columns_ = 0;
};

}  // namespace race_window
