#pragma once

#include "race/replay.h"
#include "sorting/sort_method.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace race_window {

// An item's value as the panels write it: a whole number as such, a number of few digits
// whole, and others to three significant digits.
QString ValueText(float value, const QLocale& locale = QLocale());

// A lane's last step in words, with the values it touched and their places, as a panel says
// it under its counts: "compares 5 (item 1) and 3 (item 2)", "exchange: holds 5 (item 1)";
// nothing before the first step and after the last.
QString StepInWords(const race::Replay& lane, std::optional<sorting::SortMethod> method,
                    const QLocale& locale = QLocale());

// Every form a step of the lane's race can take in words, each with its widest value and
// largest item: what a panel must have room for.
QStringList EveryStepInWords(const race::Replay& lane, std::optional<sorting::SortMethod> method,
                             const QLocale& locale = QLocale());

}  // namespace race_window
