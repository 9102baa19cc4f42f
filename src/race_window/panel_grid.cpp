#include "race_window/panel_grid.h"

#include "race_window/race_panel.h"

#include <QGridLayout>

namespace race_window {
namespace {

// Two columns up to four methods, three up to nine, four beyond.
int ColumnsFor(std::size_t methods) { return methods <= 4 ? 2 : methods <= 9 ? 3 : 4; }

}  // namespace

PanelGrid::PanelGrid(QWidget* parent) : QWidget(parent), grid_(new QGridLayout(this))
{
    grid_->setContentsMargins(0, 0, 0, 0);
}

void PanelGrid::SetMethods(const std::vector<sorting::SortMethod>& methods)
{
    for (RacePanel* panel : panels_) delete panel;
    panels_.clear();
    const int columns = ColumnsFor(methods.size());
    for (std::size_t i = 0; i < methods.size(); ++i) {
        auto* panel = new RacePanel(methods[i], this);
        grid_->addWidget(panel, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
        panel->show();
        panels_.push_back(panel);
    }
    const int rows = (static_cast<int>(methods.size()) + columns - 1) / columns;
    for (int c = 0; c < grid_->columnCount(); ++c) grid_->setColumnStretch(c, c < columns ? 1 : 0);
    for (int r = 0; r < grid_->rowCount(); ++r) grid_->setRowStretch(r, r < rows ? 1 : 0);
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
