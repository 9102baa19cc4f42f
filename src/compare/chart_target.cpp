#include "compare/chart_target.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace compare {
namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

}  // namespace

std::optional<std::string> ChartTargetProblem(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code error;
    if (fs::is_directory(target, error)) return Quoted(path) + " is a folder";
    if (!fs::exists(folder, error)) return "there is no folder " + Quoted(folder.string());
    if (!fs::is_directory(folder, error)) return Quoted(folder.string()) + " is not a folder";
    // The chart is written beside its target and renamed into place, so the folder must
    // take a new file: try one.
    std::string probe = folder.string();
    probe += "/.";
    probe += target.filename().string();
    probe += ".XXXXXX";
    const int file = mkstemp(probe.data());
    if (file < 0) return "cannot write in " + Quoted(folder.string()) + ": " + std::strerror(errno);
    close(file);
    unlink(probe.c_str());
    return std::nullopt;
}

}  // namespace compare
