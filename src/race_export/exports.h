#pragma once

#include "race/race_options.h"
#include "race_window/race_window.h"

#include <string>

namespace race_export {

// How each format the race is written in is written: one row a format, in the order of the
// formats' own table, read by the window's Lesson menu and by main.
struct Export {
    race::ExportFormat format;
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
