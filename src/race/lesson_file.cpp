#include "race/lesson_file.h"

#include "platform/whole_file.h"
#include "platform/words.h"

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

std::string ScriptPath(std::string_view value, const std::string& folder)
{
    const std::filesystem::path path(value);
    return path.is_absolute() || folder.empty() ? std::string(value) : (std::filesystem::path(folder) / path).string();
}

}  // namespace

LessonRead ReadLesson(std::string_view text, const std::string& folder)
{
    if (text.size() > kLargestLesson) throw LessonRefused(Words("race", "the file is larger than 1 MB"));
    if (Trimmed(text).find_first_not_of('\n') == std::string_view::npos) throw LessonRefused(Words("race", "the file is empty"));
    if (!Text(text)) throw LessonRefused(Words("race", "this is not a lesson of sorting-race: it is not text"));
    LessonRead read;
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
            const std::string value(line.name == "script" ? ScriptPath(line.value, folder) : line.value);
            TakeSetting(read.settings, line.name, value, '.');
        } catch (const SettingRefused& refused) {
            if (read.problem.empty()) read.problem = Fill(Words("race", "line %1: %2"), {std::to_string(number + 1), refused.what()});
        }
    }
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

std::string WriteLesson(const LessonSettings& settings)
{
    std::string text = "# " + Words("race", "A lesson of sorting-race: a setting a line, as its options name them.") +
                       "\nsortrace = " + std::to_string(kLessonVersion) + "\n";
    for (const auto& [name, value] : SettingValues(settings)) text += name + " = " + value + "\n";
    return text;
}

void WriteLessonFile(const std::string& path, const LessonSettings& settings)
{
    const std::string text = WriteLesson(settings);
    const bool written = platform::WriteWhole(path, [&](const std::string& partial) {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        return !out.fail();
    });
    if (!written) throw LessonRefused(Fill(Words("race", "cannot write %1"), {path}));
}

}  // namespace race
