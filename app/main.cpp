#include "desktop/quiet_qt.h"
#include "window/application_look.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    desktop::KeepQtQuiet();
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(SORTING_VERSION);
    // Lets the desktop match the window to its installed entry and icon.
    QApplication::setDesktopFileName(SORTING_APP_ID);
    window::ApplyApplicationLook(app);
    window::Form1 form;
    form.show();
    return QApplication::exec();
}
