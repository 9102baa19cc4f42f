#pragma once

#include "script/script_file.h"

#include <string>
#include <vector>

namespace command_line {

// --script FILE: a student's sort, read at once, so that a file that cannot be raced is
// refused with the rest of the command line, before anything runs.
script::ScriptFile ScriptOption(const std::string& path);

// --unprotected: where this system cannot protect a script, the user's word that the scripts
// given may run all the same. Without it there, they are refused before anything runs.
void RequireProtection(std::vector<script::ScriptFile>& scripts, bool unprotected);

}  // namespace command_line
