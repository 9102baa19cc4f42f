#pragma once

#include "race/replay.h"

#include <QColor>

#include <vector>

namespace race_window {

// A place a step marks, and in which colour: an item on its bar, a scratch entry in the strip
// of the items set aside.
struct Mark {
    sorting::Index place;
    QColor colour;
};

// The places a step marks: the two compared in one colour, those moved or written in another;
// none where a step reads element 0.
std::vector<Mark> MarksOf(const race::StepSeen& step);

}  // namespace race_window
