// sorting-race: the four sorting methods side by side on the same items, paced by their work.

#include "platform/application_icon.h"
#include "race_window/race_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(SORTING_VERSION);
    QApplication::setDesktopFileName(SORTING_RACE_ID);
    QApplication::setWindowIcon(platform::ApplicationIcon());
    race_window::RaceWindow window;
    window.resize(960, 640);
    window.show();
    return QApplication::exec();
}
