#pragma once

#include "sorting/sort_method.h"

#include <QMenu>

#include <vector>

namespace race_window {

// The Methods menu: one entry a method, checked while it races. It stays open while entries
// are ticked, with the mouse or with Space and Enter, so that several can be chosen at once;
// Esc or a click outside closes it.
class MethodsMenu : public QMenu {
    Q_OBJECT

public:
    MethodsMenu(const std::vector<sorting::SortMethod>& chosen, QWidget* parent);

    // The methods checked, in the table's order.
    std::vector<sorting::SortMethod> Checked() const;
    // Checks these methods and no others, without a word of it.
    void ShowChosen(const std::vector<sorting::SortMethod>& chosen);

signals:
    // An entry was checked or unchecked by the user.
    void Changed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Ticks or unticks the entry under the mouse or the keys, leaving the menu open.
    bool TickActive();
};

}  // namespace race_window
