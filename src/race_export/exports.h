#pragma once

#include "race/race_options.h"
#include "race_window/race_window.h"

#include <string>

namespace race_export {

// What the race can be written as besides its window: one row a format, read by the window's
// Lesson menu and by main. A format added is a row here and its own files.
struct Export {
    // The option that asks for it on the command line, and the file it names.
    std::optional<std::string> race::RaceOptions::*file;
    // sorting-race with that option: written without a window; the exit status.
    int (*command)(const race::RaceOptions& options, const std::string& program);
    // The window's menu entry and how it writes the race as it stands there.
    race_window::WindowExport (*fromWindow)();
};

// The export the options ask for, if any.
const Export* ExportAsked(const race::RaceOptions& options);
// Every export in the window's Lesson menu.
void OfferExports(race_window::RaceWindow& window);

}  // namespace race_export
