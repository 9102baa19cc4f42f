#include "command_line/script_option.h"

#include "command_line/usage_error.h"
#include "platform/words.h"
#include "script/sandbox.h"
#include "script/script_process.h"

namespace command_line {

script::ScriptFile ScriptOption(const std::string& path)
{
    if (!script::PythonAvailable())
        throw UsageError(
            platform::Words("command_line", "--script needs python3 (/usr/bin/python3), which is not installed"));
    try {
        return script::ReadScriptFile(path);
    } catch (const script::ScriptFileError& error) {
        throw UsageError(error.what());
    }
}

void RequireProtection(std::vector<script::ScriptFile>& scripts, bool unprotected)
{
    if (scripts.empty() || script::AvailableProtection() != script::Protection::None) return;
    if (!unprotected)
        throw UsageError(platform::Fill(
            platform::Words("command_line",
                            "--script: a script cannot be protected here (%1); --unprotected runs it all the same, "
                            "able to read and change whatever you can"),
            {script::WhyUnprotected()}));
    for (script::ScriptFile& file : scripts) file.unprotectedAllowed = true;
}

}  // namespace command_line
