#include "compare/chart_target.h"

#include "platform/words.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace compare {

std::optional<std::string> ChartTargetProblem(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code error;
    using platform::Fill, platform::Words;
    if (fs::is_directory(target, error)) return Fill(Words("compare", "\"%1\" is a folder"), {path});
    if (!fs::exists(folder, error)) return Fill(Words("compare", "there is no folder \"%1\""), {folder.string()});
    if (!fs::is_directory(folder, error)) return Fill(Words("compare", "\"%1\" is not a folder"), {folder.string()});
    // The chart is written beside its target and renamed into place, so the folder must
    // take a new file: try one.
    std::string probe = folder.string();
    probe += "/.";
    probe += target.filename().string();
    probe += ".XXXXXX";
    const int file = mkstemp(probe.data());
    if (file < 0) return Fill(Words("compare", "cannot write in \"%1\": %2"), {folder.string(), std::strerror(errno)});
    close(file);
    unlink(probe.c_str());
    return std::nullopt;
}

}  // namespace compare
