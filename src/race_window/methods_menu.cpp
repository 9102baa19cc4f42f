#include "race_window/methods_menu.h"

#include "desktop/qt_conversions.h"

#include <algorithm>

namespace race_window {
namespace {

sorting::SortMethod MethodOf(const QAction* action) { return static_cast<sorting::SortMethod>(action->data().toInt()); }

bool Among(const std::vector<sorting::SortMethod>& methods, sorting::SortMethod method)
{
    return std::find(methods.begin(), methods.end(), method) != methods.end();
}

}  // namespace

MethodsMenu::MethodsMenu(const std::vector<sorting::SortMethod>& chosen, QWidget* parent) : QMenu(parent)
{
    setObjectName("MethodsMenu");
    for (sorting::SortMethod method : sorting::kAllMethods) {
        QAction* action = addAction(desktop::ToQString(sorting::MethodName(method)));
        action->setCheckable(true);
        action->setChecked(Among(chosen, method));
        action->setData(static_cast<int>(method));
        connect(action, &QAction::toggled, this, &MethodsMenu::Changed);
    }
}

std::vector<sorting::SortMethod> MethodsMenu::Checked() const
{
    std::vector<sorting::SortMethod> checked;
    for (const QAction* action : actions())
        if (action->isChecked()) checked.push_back(MethodOf(action));
    return checked;
}

void MethodsMenu::ShowChosen(const std::vector<sorting::SortMethod>& chosen)
{
    for (QAction* action : actions()) {
        const QSignalBlocker quiet(action);
        action->setChecked(Among(chosen, MethodOf(action)));
    }
}

}  // namespace race_window
