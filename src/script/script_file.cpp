#include "script/script_file.h"

#include "platform/words.h"

#include <filesystem>
#include <fstream>

namespace script {

ScriptFile ReadScriptFile(const std::string& path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    // Only a file: a pipe or a device could keep the program waiting for what never comes.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw ScriptFileError(platform::Fill(platform::Words("script", "cannot read %1"), {path}));
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ScriptFileError(platform::Fill(platform::Words("script", "cannot read %1"), {path}));
    std::string source(kLargestScript + 1, '\0');
    in.read(source.data(), static_cast<std::streamsize>(source.size()));
    source.resize(static_cast<std::size_t>(in.gcount()));
    if (source.size() > kLargestScript)
        throw ScriptFileError(platform::Fill(platform::Words("script", "%1 is larger than 1 MB"), {path}));
    return {name, source, path};
}

}  // namespace script
