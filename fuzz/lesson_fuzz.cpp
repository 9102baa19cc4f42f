// Feeds any text to the reader of lesson files: it refuses the whole with a message, or gives
// settings a race can take, each within its range, and names a problem only with its line.

#include "race/lesson_file.h"
#include "race/pace.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // A script's file is the script reader's business, fuzzed apart: such lessons are left out.
    if (text.find("script") != std::string_view::npos) return 0;
    try {
        const race::LessonRead read = race::ReadLesson(text, "");
        const race::LessonSettings& s = read.settings;
        if (!read.problem.empty() && read.problem.rfind("line ", 0) != 0) std::abort();
        if (s.methods && s.methods->size() < 2) std::abort();
        if (s.zoom && (*s.zoom < 100 || *s.zoom > 300 || *s.zoom % 25 != 0)) std::abort();
        if (s.speed && (*s.speed < race::Pace::kSlowest || *s.speed > race::Pace::kFastest)) std::abort();
        // What is read is written so that it reads back the same.
        if (race::SettingValues(race::ReadLesson(race::WriteLesson(s), "").settings) != race::SettingValues(s))
            std::abort();
    } catch (const race::LessonRefused& refused) {
        if (std::string(refused.what()).empty()) std::abort();
    }
    return 0;
}
