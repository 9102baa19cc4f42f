#include "race_window/panel_grid.h"

#include "desktop/qt_conversions.h"
#include "race_window/race_panel.h"

#include <QGridLayout>

#include <algorithm>

namespace race_window {
namespace {

// The columns that give each panel the most room for its bars in `area`: a panel wants to be
// about half again as wide as it is tall. Of layouts about as good, the one that leaves fewer
// cells empty, then the one with fewer columns; never more columns, or rows, than the panels'
// least sizes allow.
int ColumnsFor(std::size_t methods, QSize area, QSize least)
{
    const int n = static_cast<int>(methods);
    if (area.isEmpty()) return n <= 4 ? 2 : n <= 9 ? 3 : 4;  // not laid out yet
    const int most = std::clamp(area.width() / std::max(least.width(), 1), 1, n);
    // Where none fits the height: the fewest rows, in as few columns as give them.
    const int fewestRows = (n + most - 1) / most;
    int best = (n + fewestRows - 1) / fewestRows, bestEmpty = n;
    double bestRoom = -1;
    for (int columns = 1; columns <= most; ++columns) {
        const int rows = (n + columns - 1) / columns;
        if (rows * least.height() > area.height()) continue;  // taller than the room there is
        const double room = std::min(area.width() / columns / 1.5, double(area.height()) / rows);
        const int empty = rows * columns - n;
        if (room > bestRoom * 1.03 || (room > bestRoom * 0.97 && empty < bestEmpty)) {
            best = columns;
            bestRoom = room;
            bestEmpty = empty;
        }
    }
    return best;
}

}  // namespace

PanelGrid::PanelGrid(QWidget* parent) : QWidget(parent), grid_(new QGridLayout(this))
{
    grid_->setContentsMargins(0, 0, 0, 0);
}

void PanelGrid::SetLanes(const race::Race& race)
{
    for (RacePanel* panel : panels_) delete panel;
    panels_.clear();
    for (std::size_t lane = 0; lane < race.LaneCount(); ++lane) {
        const auto& script = race.LaneAt(lane).Source().script;
        // A script that ran with nothing around it says so while it races.
        const QString name = desktop::Shortened(race.Title(lane), desktop::kLongestName);
        const QString title = script && script->unprotected ? tr("%1 (unprotected)").arg(name) : name;
        panels_.push_back(new RacePanel(lane, race.MethodOf(lane), title, this));
        panels_.back()->show();
    }
    columns_ = 0;
    Arrange();
}

// After the resize, not within it: moving the panels lays the grid out again.
void PanelGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    QMetaObject::invokeMethod(this, &PanelGrid::Arrange, Qt::QueuedConnection);
}

// Only where the columns change, the panels move.
void PanelGrid::Arrange()
{
    QSize least;
    for (const RacePanel* panel : panels_) least = least.expandedTo(panel->minimumSizeHint());
    const int columns =
        ColumnsFor(panels_.size(), size(), least + QSize(grid_->horizontalSpacing(), grid_->verticalSpacing()));
    if (columns == columns_) return;
    columns_ = columns;
    for (RacePanel* panel : panels_) grid_->removeWidget(panel);
    for (std::size_t i = 0; i < panels_.size(); ++i)
        grid_->addWidget(panels_[i], static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    const int rows = (static_cast<int>(panels_.size()) + columns - 1) / columns;
    for (int c = 0; c < grid_->columnCount(); ++c) grid_->setColumnStretch(c, c < columns ? 1 : 0);
    for (int r = 0; r < grid_->rowCount(); ++r) grid_->setRowStretch(r, r < rows ? 1 : 0);
    // After the layout's own request, which the moves have just posted.
    QMetaObject::invokeMethod(this, &PanelGrid::Arranged, Qt::QueuedConnection);
}

void PanelGrid::Show(race::Race* race)
{
    for (RacePanel* panel : panels_) panel->Show(race);
}

void PanelGrid::Refresh()
{
    for (RacePanel* panel : panels_) panel->Refresh();
}

}  // namespace race_window
