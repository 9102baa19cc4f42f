#include "race_window/methods_menu.h"

#include "desktop/qt_conversions.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace race_window {
namespace {

sorting::SortMethod MethodOf(const QAction* action) { return static_cast<sorting::SortMethod>(action->data().toInt()); }

bool Among(const std::vector<sorting::SortMethod>& methods, sorting::SortMethod method)
{
    return std::find(methods.begin(), methods.end(), method) != methods.end();
}

QString FamilyName(sorting::Family family)
{
    static const char* const names[] = {QT_TRANSLATE_NOOP("race_window::MethodsMenu", "Insertion sorts"),
                                        QT_TRANSLATE_NOOP("race_window::MethodsMenu", "Selection sorts"),
                                        QT_TRANSLATE_NOOP("race_window::MethodsMenu", "Exchange sorts"),
                                        QT_TRANSLATE_NOOP("race_window::MethodsMenu", "Quick sorts"),
                                        QT_TRANSLATE_NOOP("race_window::MethodsMenu", "Merge sorts"),
                                        QT_TRANSLATE_NOOP("race_window::MethodsMenu", "Distribution sorts")};
    return MethodsMenu::tr(names[static_cast<int>(family)]);
}

}  // namespace

// A section for each family, the methods in the table's order within it.
MethodsMenu::MethodsMenu(const std::vector<sorting::SortMethod>& chosen, QWidget* parent) : QMenu(parent)
{
    setObjectName("MethodsMenu");
    for (int family = 0; family <= static_cast<int>(sorting::Family::Distribution); ++family) {
        addSection(FamilyName(static_cast<sorting::Family>(family)));
        for (sorting::SortMethod method : sorting::kAllMethods) {
            if (sorting::Facts(method).family != static_cast<sorting::Family>(family)) continue;
            QAction* action = addAction(desktop::ToQString(sorting::MethodTitle(method)));
            action->setCheckable(true);
            action->setChecked(Among(chosen, method));
            action->setData(static_cast<int>(method));
            action->setToolTip(desktop::ToQString(sorting::Facts(method).description));
            connect(action, &QAction::toggled, this, &MethodsMenu::Changed);
        }
    }
    setToolTipsVisible(true);
}

bool MethodsMenu::TickActive()
{
    QAction* action = activeAction();
    if (!action || !action->isCheckable() || !action->isEnabled()) return false;
    action->trigger();
    return true;
}

void MethodsMenu::mouseReleaseEvent(QMouseEvent* event)
{
    if (!TickActive()) QMenu::mouseReleaseEvent(event);
}

void MethodsMenu::keyPressEvent(QKeyEvent* event)
{
    const bool ticks = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!ticks || !TickActive()) QMenu::keyPressEvent(event);
}

std::vector<sorting::SortMethod> MethodsMenu::Checked() const
{
    std::vector<sorting::SortMethod> checked;
    for (sorting::SortMethod method : sorting::kAllMethods)
        for (const QAction* action : actions())
            if (action->isCheckable() && action->isChecked() && MethodOf(action) == method) checked.push_back(method);
    return checked;
}

void MethodsMenu::ShowChosen(const std::vector<sorting::SortMethod>& chosen)
{
    for (QAction* action : actions()) {
        if (!action->isCheckable()) continue;
        const QSignalBlocker quiet(action);
        action->setChecked(Among(chosen, MethodOf(action)));
    }
}

}  // namespace race_window
