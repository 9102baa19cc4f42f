#pragma once

#include <QWidget>
#include <QtGlobal>

namespace testing_support {

// A control of the window, found by its name; a missing control ends the test program.
template <typename T = QWidget>
T* Control(const QWidget& form, const char* name)
{
    T* control = form.findChild<T*>(name);
    if (!control) qFatal("no control named %s", name);
    return control;
}

// Whether the control's own setting is enabled, whatever its container's.
inline bool OwnEnabled(const QWidget* control) { return !control->testAttribute(Qt::WA_Disabled); }

}  // namespace testing_support
