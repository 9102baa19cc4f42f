#include "desktop/quiet_qt.h"
#include "window/application_look.h"
#include "window/form1.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Help and the version, answered before any window and so without a display; and no window
// where there is no display to show it on.
std::optional<int> AnswerAtOnce(int argc, char* argv[])
{
    for (const std::string_view argument : std::vector<std::string_view>(argv + 1, argv + argc)) {
        if (argument == "--help" || argument == "-h") {
            std::cout << "Usage: sorting-methods\n"
                         "Opens a window that times, verifies or watches four sorting methods.\n";
            return 0;
        }
        if (argument == "--version") {
            std::cout << "sorting-methods " SORTING_VERSION "\n";
            return 0;
        }
    }
    const auto unset = [](const char* name) { return !std::getenv(name) || !*std::getenv(name); };
    if (unset("QT_QPA_PLATFORM") && unset("DISPLAY") && unset("WAYLAND_DISPLAY")) {
        std::cerr << "sorting-methods: no display to open the window on\n";
        return 1;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[])
{
    desktop::KeepQtQuiet();
    if (const auto answer = AnswerAtOnce(argc, argv)) return *answer;
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(SORTING_VERSION);
    // Lets the desktop match the window to its installed entry and icon.
    QApplication::setDesktopFileName(SORTING_APP_ID);
    window::ApplyApplicationLook(app);
    window::Form1 form;
    form.show();
    return QApplication::exec();
}
