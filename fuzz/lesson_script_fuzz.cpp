// Feeds any path to a lesson's script line, in a folder that holds a script, a folder, and
// links leading in and out: a script is taken only where it is a .py file within the lesson's
// folder once every link is followed; anything else is refused with its line named, or the
// whole file where it is not text.

#include "race/lesson_file.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

// The lesson's folder, inside a folder that also holds what it must not reach.
fs::path MakeFolders()
{
    std::string root = (fs::temp_directory_path() / "lesson-script-fuzz-XXXXXX").string();
    if (!mkdtemp(root.data())) std::abort();
    static fs::path made = root;
    std::atexit([] { fs::remove_all(made); });
    const fs::path lesson = fs::path(root) / "lesson";
    fs::create_directories(lesson / "part");
    std::ofstream(lesson / "mine.py") << "def sort(a):\n    pass\n";
    std::ofstream(lesson / "part" / "deep.py") << "def sort(a):\n    pass\n";
    std::ofstream(fs::path(root) / "secret.py") << "outside\n";
    fs::create_symlink("../secret.py", lesson / "out.py");
    fs::create_symlink("..", lesson / "up");
    fs::create_symlink("mine.py", lesson / "in.py");
    return fs::canonical(lesson);
}

bool Within(const fs::path& path, const fs::path& folder)
{
    const fs::path whole = fs::weakly_canonical(path);
    const auto [inFolder, inPath] = std::mismatch(folder.begin(), folder.end(), whole.begin(), whole.end());
    return inFolder == folder.end() && whole.extension() == ".py";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fs::path folder = MakeFolders();
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    if (path.find_first_of("\n\r") != std::string_view::npos || path.find('\0') != std::string_view::npos) return 0;
    try {
        const race::LessonRead read = race::ReadLesson("sortrace = 1\nscript = " + std::string(path) + "\n", folder.string());
        for (const auto& script : read.settings.scripts)
            if (!Within(script.path, folder)) std::abort();
        if (read.settings.scripts.empty() && read.problem.rfind("line 2", 0) != 0) std::abort();
    } catch (const race::LessonRefused& refused) {
        // Only text is a lesson: bytes that are none refuse the whole, with a reason.
        if (std::string(refused.what()).empty()) std::abort();
    }
    return 0;
}
