#pragma once

#include "race/recording.h"

#include <QString>

namespace race_export {

// A printable worksheet of a method on a race's items (at most race::kWorksheetItems): the
// items, the method's code as the code pane shows it, and a table to fill in with the items
// after each pass or merge; the answer key, the same table filled in, on its own last page.
// In the user's language, on A4 or, where the locale measures in inches, Letter. False where
// the file cannot be written.
bool WriteWorksheet(const QString& path, const race::Recording& recording);

}  // namespace race_export
