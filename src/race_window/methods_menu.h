#pragma once

#include "sorting/sort_method.h"

#include <QMenu>

#include <vector>

namespace race_window {

// The Methods menu: one entry a method, checked while it races.
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
};

}  // namespace race_window
