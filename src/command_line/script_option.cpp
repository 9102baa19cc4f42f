#include "command_line/script_option.h"

#include "command_line/usage_error.h"
#include "platform/words.h"
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

}  // namespace command_line
