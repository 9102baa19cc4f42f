#pragma once

// A step of a recording as a line of a trace: what it does to which places, the line of the
// code it comes from (and the line whose call that is), and the code's variables then:
//   compare 1 2 | compare | pass=1 i=1
//   move 3 s5 | copy-right | width=2 lo=1 mid=2 hi=4
//   hold 1 4 | exchange < take | k=1 j=2 last=8
// Scratch entries are written s1, s2, ...; a variable with no value is left out.

#include "race/recording.h"

#include <cmath>
#include <sstream>
#include <string>

namespace testing_support {

inline std::string PlaceText(sorting::Index place)
{
    return sorting::IsScratch(place) ? "s" + std::to_string(sorting::ScratchEntry(place)) : std::to_string(place);
}

inline std::string ValueText(float value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

inline std::string StepText(const race::Step& step)
{
    static const char* const kinds[] = {"compare", "hold", "shift", "put", "move", "read"};
    std::string text = kinds[static_cast<int>(step.What())] + (" " + PlaceText(step.A()));
    if (step.What() != race::Step::Kind::Read) text += " " + PlaceText(step.B());
    return text;
}

// The line's key, and " < " the caller's where there is one.
inline std::string LineText(const sorting::MethodCode& code, int line, int caller)
{
    std::string text = line == 0 ? "-" : std::string(code.lines[std::size_t(line) - 1].key);
    if (caller > 0 && caller != line) text += " < " + std::string(code.lines[std::size_t(caller) - 1].key);
    return text;
}

inline std::string VariablesText(const sorting::MethodCode& code, std::span<const float> values)
{
    std::string text;
    for (std::size_t v = 0; v < values.size(); ++v)
        if (!std::isnan(values[v]))
            text += (text.empty() ? "" : " ") + std::string(code.variables[v]) + "=" + ValueText(values[v]);
    return text;
}

// Step k of the recording, from 0.
inline std::string TraceLine(const race::Recording& recording, std::uint64_t k)
{
    const sorting::MethodCode& code = sorting::Facts(*recording.source.Method()).code;
    const race::Step& step = recording.steps[k];
    const race::CodeNotes::Note note = recording.notes.At(k);
    return StepText(step) + " | " + LineText(code, step.Line(), note.caller) + " | " + VariablesText(code, note.values);
}

}  // namespace testing_support
