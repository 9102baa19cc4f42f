#pragma once

#include <QtGlobal>

#include <cstring>

namespace desktop {

// Qt tells of what it meets on the machine on standard error (a missing sound server, a
// runtime folder it makes itself, a window manager's shortcomings); none of it is the user's
// doing, nor anything the user can act on. From here on only Qt's errors are written, and what
// its platform says when no window can open (no display, say), unless all of its warnings are
// asked for through QT_LOGGING_RULES.
inline void KeepQtQuiet()
{
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES")) return;
    static QtMessageHandler qtOwn = nullptr;
    qtOwn = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        const bool platform = context.category && std::strncmp(context.category, "qt.qpa", 6) == 0;
        const bool error = type == QtCriticalMsg || type == QtFatalMsg;
        if ((error || (platform && type == QtWarningMsg)) && qtOwn) qtOwn(type, context, message);
    });
}

}  // namespace desktop
