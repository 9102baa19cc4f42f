#pragma once

#include "support/form_controls.h"
#include "window/application_look.h"
#include "window/form1.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

namespace testing_support {

// A new Form1, shown in the program's font and icon, with its controls found by name.
class ShownForm : public window::Form1 {
public:
    ShownForm()
    {
        static const bool looked = (window::ApplyApplicationLook(*qApp), true);
        (void)looked;
        show();
        if (!QTest::qWaitForWindowExposed(this)) qFatal("the window was not shown");
    }

    template <typename T = QWidget>
    T* Control(const char* name) const
    {
        return testing_support::Control<T>(*this, name);
    }

    // Clicks a small control near its top left, where option and check boxes have their box.
    void Click(const char* name) { QTest::mouseClick(Control(name), Qt::LeftButton, {}, QPoint(6, 8)); }

    // The names of the controls that Tab reaches, starting from (and including) `start`.
    QStringList TabWalk(const char* start, int steps)
    {
        Control(start)->setFocus();
        QStringList visited{start};
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    }
};

}  // namespace testing_support
