#pragma once

#include "script/script_file.h"

#include <string>

namespace command_line {

// --script FILE: a student's sort, read at once, so that a file that cannot be raced is
// refused with the rest of the command line, before anything runs.
script::ScriptFile ScriptOption(const std::string& path);

}  // namespace command_line
