// sorting-race: sorting methods side by side on the same items, paced by their work.

#include "desktop/quiet_qt.h"
#include "command_line/option_parser.h"
#include "desktop/application_icon.h"
#include "desktop/qt_conversions.h"
#include "desktop/translations.h"
#include "race/race_options.h"
#include "race_export/exports.h"
#include "race_window/race_window.h"

#include <QApplication>

#include <iostream>

namespace {

const std::string kProgram = "sorting-race";

int Refuse(const race::RaceUsageError& error)
{
    std::cerr << command_line::Refusal(kProgram, error.what());
    return 2;
}

// Help, the version, or a command line that cannot be followed: answered before any window.
std::optional<int> AnswerAtOnce(const race::RaceOptions& options)
{
    if (options.help) std::cout << race::RaceUsageText(kProgram);
    if (options.version) std::cout << kProgram << " " SORTING_VERSION "\n";
    if (options.help || options.version) return 0;
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[])
{
    desktop::KeepQtQuiet();
    desktop::Translations translations;
    // Read first without a display, so that help and mistakes need none; an option unknown
    // here, unless it is near one of the race's own, may be the window system's, and waits
    // for it.
    try {
        const race::RaceOptions options = race::ParseRaceOptions({argv + 1, argv + argc}, desktop::DecimalPoint());
        if (const auto answer = AnswerAtOnce(options)) return *answer;
        // A worksheet or a video is written without a window, and so without a display.
        if (const race_export::Export* asked = race_export::ExportAsked(options)) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            QApplication app(argc, argv);
            translations.Install();
            return asked->command(options, kProgram);
        }
    } catch (const race::UnknownRaceOption& unknown) {
        if (!unknown.Nearest().empty()) return Refuse(unknown);
    } catch (const race::RaceUsageError& error) {
        return Refuse(error);
    }

    QApplication app(argc, argv);
    translations.Install();
    QApplication::setApplicationVersion(SORTING_VERSION);
    // Where the settings are kept between starts: the sound on or off.
    QApplication::setOrganizationName("sortingmethods.org");
    QApplication::setApplicationName("sorting-race");
    QApplication::setDesktopFileName(SORTING_RACE_ID);
    QApplication::setWindowIcon(desktop::ApplicationIcon());

    // Qt has taken its own options out of the command line; the rest are the race's.
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1)) arguments.push_back(argument.toStdString());
    race::RaceOptions options;
    try {
        options = race::ParseRaceOptions(arguments, desktop::DecimalPoint());
    } catch (const race::RaceUsageError& error) {
        return Refuse(error);
    }
    if (const auto answer = AnswerAtOnce(options)) return *answer;
    if (const race_export::Export* asked = race_export::ExportAsked(options)) return asked->command(options, kProgram);

    race_window::RaceWindow window(options);
    race_export::OfferExports(window);
    window.resize(960, 640);
    window.show();
    return QApplication::exec();
}
