#include "race/lesson_file.h"

#include "platform/whole_file.h"
#include "platform/words.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace race {
namespace {

using platform::Fill;
using platform::Words;

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Whether the text is UTF-8 without NUL: what a text editor wrote, not a picture or a program.
bool Text(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        if (byte == 0 || length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
        i += length;
    }
    return true;
}

struct Line {
    std::string_view name, value;
    bool setting = false;  // a "name = value" line; else a note, or nothing a lesson can have
    bool note = false;
};

Line Parse(std::string_view text)
{
    const std::string_view line = Trimmed(text);
    if (line.empty() || line.front() == '#') return {{}, {}, false, true};
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)), true};
}

// The version the first line names; refused where it names none.
int Version(std::string_view first)
{
    const Line line = Parse(first);
    int version = 0;
    const auto [end, error] = std::from_chars(line.value.data(), line.value.data() + line.value.size(), version);
    if (!line.setting || line.name != "sortrace" || error != std::errc{} || end != line.value.data() + line.value.size() ||
        version < 1)
        throw LessonRefused(Words("race", "this is not a lesson of sorting-race: its first line is not \"sortrace = 1\""));
    return version;
}

// Where the script a lesson names lies, if it may race: a .py file named from the lesson's
// folder, within it also once every link is followed.
std::string ScriptPath(std::string_view value, const std::string& folder)
{
    namespace fs = std::filesystem;
    const fs::path path(value);
    const auto refuse = [] {
        throw SettingRefused("script: " +
                             Words("race", "a lesson's script must be a .py file in the lesson's folder, named from there"));
    };
    if (path.empty() || path.is_absolute() || path.extension() != ".py") refuse();
    for (const fs::path& part : path)
        if (part == "..") refuse();
    std::error_code baseError, wholeError;
    const fs::path base = fs::canonical(folder.empty() ? fs::path(".") : fs::path(folder), baseError);
    const fs::path whole = fs::weakly_canonical(base / path, wholeError);
    if (baseError || wholeError) refuse();
    const auto [inBase, inWhole] = std::mismatch(base.begin(), base.end(), whole.begin(), whole.end());
    if (inBase != base.end()) refuse();
    return (base / path).string();
}

// A script's path named from the lesson's folder where it lies within it; else as it is.
std::string Within(const std::string& script, const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path relative = fs::proximate(script, folder.empty() ? fs::path(".") : fs::path(folder), error);
    return error || relative.empty() || *relative.begin() == ".." ? script : relative.string();
}

}  // namespace

LessonRead ReadLesson(std::string_view text, const std::string& folder)
{
    if (text.size() > kLargestLesson) throw LessonRefused(Words("race", "the file is larger than 1 MB"));
    if (Trimmed(text).find_first_not_of('\n') == std::string_view::npos) throw LessonRefused(Words("race", "the file is empty"));
    if (!Text(text)) throw LessonRefused(Words("race", "this is not a lesson of sorting-race: it is not text"));
    LessonRead read;
    std::size_t problems = 0;
    bool first = true;
    std::size_t number = 0;
    for (std::size_t at = 0; at <= text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view content = text.substr(at, end - at);
        at = end + 1;
        const Line line = Parse(content);
        if (line.note) continue;
        if (first) {
            read.newer = Version(content) > kLessonVersion;
            first = false;
            continue;
        }
        try {
            if (!line.setting) throw SettingRefused(Words("race", "not a setting (name = value)"));
            if (!IsSetting(line.name)) continue;
            if (line.name == "script" && read.settings.scripts.size() == kMostLessonScripts)
                throw SettingRefused("script: " + Fill(Words("race", "a lesson races %1 scripts at the most"),
                                                       {std::to_string(kMostLessonScripts)}));
            const std::string value(line.name == "script" ? ScriptPath(line.value, folder) : line.value);
            TakeSetting(read.settings, line.name, value, '.');
        } catch (const SettingRefused& refused) {
            if (++problems <= kProblemsListed)
                read.problem += (read.problem.empty() ? "" : "\n") +
                                Fill(Words("race", "line %1: %2"), {std::to_string(number + 1), refused.what()});
        }
    }
    if (problems > kProblemsListed)
        read.problem += "\n" + Fill(Words("race", "and %1 more"), {std::to_string(problems - kProblemsListed)});
    return read;
}

LessonRead ReadLessonFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw LessonRefused(Fill(Words("race", "cannot read %1"), {path}));
    std::ifstream in(path, std::ios::binary);
    if (!in) throw LessonRefused(Fill(Words("race", "cannot read %1"), {path}));
    std::string text(kLargestLesson + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return ReadLesson(text, std::filesystem::path(path).parent_path().string());
}

std::string WriteLesson(const LessonSettings& settings, const std::string& folder)
{
    std::string text = "# " + Words("race", "A lesson of sorting-race: a setting a line, as its options name them.") +
                       "\nsortrace = " + std::to_string(kLessonVersion) + "\n";
    for (auto [name, value] : SettingValues(settings)) {
        if (name == "script" && !folder.empty()) value = Within(value, folder);
        text += name + " = " + value + "\n";
    }
    return text;
}

void WriteLessonFile(const std::string& path, const LessonSettings& settings)
{
    const std::string text = WriteLesson(settings, std::filesystem::path(path).parent_path().string());
    const bool written = platform::WriteWhole(path, [&](const std::string& partial) {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        return !out.fail();
    });
    if (!written) throw LessonRefused(Fill(Words("race", "cannot write %1"), {path}));
}

}  // namespace race
