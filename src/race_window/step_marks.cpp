#include "race_window/step_marks.h"

#include "desktop/qt_conversions.h"
#include "race_window/mark_colours.h"

namespace race_window {

std::vector<Mark> MarksOf(const race::StepSeen& step)
{
    using Kind = race::StepSeen::Kind;
    const QColor compared(desktop::ToRgb(kComparedColour)), moved(desktop::ToRgb(kMovedColour));
    std::vector<Mark> marks;
    if (step.kind == Kind::Compared) marks = {{step.first, compared}, {step.second, compared}};
    if (step.kind == Kind::Read) marks = {{step.first, compared}};
    if (step.kind == Kind::Held || step.kind == Kind::Shifted || step.kind == Kind::Put || step.kind == Kind::Moved)
        marks = {{step.first, moved}, {step.second, moved}};
    if (step.kind == Kind::CopiedOut || step.kind == Kind::Written) marks = {{step.first, moved}};
    std::erase_if(marks, [](const Mark& m) { return m.place == 0; });
    return marks;
}

}  // namespace race_window
