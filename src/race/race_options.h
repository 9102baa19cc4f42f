#pragma once

#include "command_line/usage_error.h"
#include "race/export_formats.h"
#include "race/item_list.h"
#include "race/lesson_settings.h"
#include "race/race.h"
#include "script/script_file.h"
#include "sorting/sort_method.h"

#include <optional>
#include <string>
#include <vector>

namespace race {

// What sorting-race is asked for on its command line.
struct RaceOptions {
    LessonSettings lesson;              // none given: the window's own first race
    std::optional<std::string> lessonFile;  // a lesson to open, the options above then applied to it
    std::optional<ExportAsked> exportTo;    // a file to write the race to, and no window
    std::optional<std::pair<std::uint64_t, std::uint64_t>> steps;  // of the video: from, to
    std::optional<std::pair<int, int>> size;                         // of the video: width, height
    bool sound = false;
    bool unprotected = false;  // scripts may run where no sandbox works
    double scriptSeconds = kScriptSeconds;  // each script's wall time
    bool help = false;
    bool version = false;
};

// The fewest methods a race can have.
inline constexpr std::size_t kFewestMethods = 2;

using RaceUsageError = command_line::UsageError;
using UnknownRaceOption = command_line::UnknownOption;

// The lesson a command line asks for: its lesson file's settings, the options' own over them.
// Throws the LessonRefused of a file that holds no lesson, or a line that cannot be taken: what
// is made without a window is made of the whole lesson or not at all.
LessonSettings LessonOfCommand(const RaceOptions& options);

// The items a lesson races: typed ones in its order, or random ones, `count` where it names
// no count.
std::vector<float> LessonItems(const LessonSettings& lesson, std::int32_t count = kDefaultCount);
// Whether a race's scripts are recorded before it starts, or recorded elsewhere and joined.
enum class ScriptLanes { RecordedNow, JoinLater };
// The race a lesson sets: its methods, then its scripts.
Race RaceOfLesson(const LessonSettings& lesson, ScriptLanes scripts = ScriptLanes::RecordedNow,
                  double scriptSeconds = kScriptSeconds);

// `decimalPoint` is the user's own, which the numbers of --items may have.
RaceOptions ParseRaceOptions(const std::vector<std::string>& arguments, char decimalPoint = '.');

std::string RaceUsageText(const std::string& program);

}  // namespace race
