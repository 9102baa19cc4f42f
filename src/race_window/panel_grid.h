#pragma once

#include "race/race.h"

#include <QWidget>

#include <vector>

class QGridLayout;

namespace race_window {

class RacePanel;

// The panels of the methods racing, one a method, in a grid that fits their number.
class PanelGrid : public QWidget {
    Q_OBJECT

public:
    explicit PanelGrid(QWidget* parent = nullptr);

    // New panels for these methods, in their order.
    void SetMethods(const std::vector<sorting::SortMethod>& methods);
    // The race every panel shows, whole.
    void Show(race::Race* race);
    // Each panel paints what changed.
    void Refresh();

    const std::vector<RacePanel*>& Panels() const { return panels_; }

private:
    QGridLayout* grid_;
    std::vector<RacePanel*> panels_;
};

}  // namespace race_window
