#pragma once

#include "race/lesson_settings.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace race {

// A lesson file, *.sortrace: a line a setting, "name = value" with the names of
// kSettingNames, after a first line "sortrace = 1" that names the version of the format.
// Blank lines and lines that begin with "#" are notes.
inline constexpr int kLessonVersion = 1;
inline constexpr std::size_t kLargestLesson = std::size_t{1} << 20;
// The most students' scripts a lesson may race.
inline constexpr std::size_t kMostLessonScripts = 4;

// A file that holds no lesson at all: empty, binary, too large, or no lesson's first line.
class LessonRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a lesson file holds, as far as it is sound: a line that cannot be taken is left out,
// and each such is told, a line each ("line 4: zoom: ..."), the first kProblemsListed and how
// many more; a setting this version does not know is passed over, and one from a newer
// version of the format is read as far as it is known.
inline constexpr std::size_t kProblemsListed = 20;
struct LessonRead {
    LessonSettings settings;
    std::string problem;
    bool newer = false;
};

// Reads a lesson's text. A script it names must be a .py file within `folder`, where the lesson
// lies, named from there: a lesson from anywhere must not read the user's other files.
LessonRead ReadLesson(std::string_view text, const std::string& folder);
LessonRead ReadLessonFile(const std::string& path);

// The scripts within `folder` are named from there.
std::string WriteLesson(const LessonSettings& settings, const std::string& folder = {});
// Writes the lesson whole or not at all: into a file beside `path` first, which then takes
// its name. Throws LessonRefused saying why it could not.
void WriteLessonFile(const std::string& path, const LessonSettings& settings);

}  // namespace race
