#include "race/race_options.h"

#include "command_line/method_list.h"
#include "command_line/option_parser.h"
#include "command_line/script_option.h"
#include "platform/words.h"
#include "race/lesson_file.h"

#include <charconv>

namespace race {
namespace {

// A whole number of the text from `at` on, and where it ends; none where no digit stands there.
std::optional<std::uint64_t> WholeAt(const std::string& text, std::size_t& at)
{
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), number);
    if (error != std::errc{}) return std::nullopt;
    at = static_cast<std::size_t>(end - text.data());
    return number;
}

// "A..B", from step A to step B.
std::pair<std::uint64_t, std::uint64_t> StepRange(const std::string& text)
{
    std::size_t at = 0;
    const auto from = WholeAt(text, at);
    const bool dots = from && text.compare(at, 2, "..") == 0;
    at += 2;
    const auto to = dots ? WholeAt(text, at) : std::nullopt;
    if (!to || at != text.size() || *to < *from)
        throw RaceUsageError(platform::Words("race", "--steps: from a step to a later one, such as 0..500"));
    return {*from, *to};
}

// "WxH", even numbers from 64 x 64 to 3840 x 2160, as the video's encoder takes them.
std::pair<int, int> VideoSize(const std::string& text)
{
    std::size_t at = 0;
    const auto width = WholeAt(text, at);
    const bool x = width && at < text.size() && text[at] == 'x';
    ++at;
    const auto height = x ? WholeAt(text, at) : std::nullopt;
    if (!height || at != text.size() || *width % 2 || *height % 2 || *width < 64 || *height < 64 || *width > 3840 ||
        *height > 2160)
        throw RaceUsageError(
            platform::Words("race", "--size: width x height in even numbers, 64x64 to 3840x2160, such as 1280x720"));
    return {static_cast<int>(*width), static_cast<int>(*height)};
}

// A whole number of seconds, 1 to 600.
double ScriptSeconds(const std::string& text)
{
    std::size_t at = 0;
    const auto seconds = WholeAt(text, at);
    if (!seconds || at != text.size() || *seconds < 1 || *seconds > 600)
        throw RaceUsageError(platform::Words("race", "--script-seconds: a whole number of seconds, 1 to 600"));
    return static_cast<double>(*seconds);
}

// The lines of --help of every format the race can be written in.
std::string ExportUsage()
{
    std::string usage;
    for (const ExportFormatRow& row : kExportFormats) usage += platform::Words("race", row.usage);
    return usage;
}

}  // namespace

LessonSettings LessonOfCommand(const RaceOptions& options)
{
    if (!options.lessonFile) return options.lesson;
    const LessonRead read = ReadLessonFile(*options.lessonFile);
    if (!read.problem.empty()) throw LessonRefused(*options.lessonFile + ": " + read.problem);
    LessonSettings lesson = Overlaid(read.settings, options.lesson);
    for (script::ScriptFile& file : lesson.scripts) file.unprotectedAllowed |= options.unprotected;
    return lesson;
}

std::vector<float> LessonItems(const LessonSettings& lesson, std::int32_t count)
{
    const auto order = lesson.order.value_or(sorting::InitialOrder::Random);
    const double seed = lesson.seed.value_or(1);
    const ItemsAsked asked = lesson.items.value_or(ItemsAsked(count));
    if (const auto* typed = std::get_if<std::vector<float>>(&asked)) return sorting::ArrangeItems(*typed, order, seed);
    return sorting::MakeItems(std::get<std::int32_t>(asked), seed, order);
}

Race RaceOfLesson(const LessonSettings& lesson, ScriptLanes scriptLanes, double scriptSeconds)
{
    const std::vector<float> items = LessonItems(lesson);
    std::vector<Recording> scripts;
    if (scriptLanes == ScriptLanes::RecordedNow)
        for (const script::ScriptFile& file : lesson.scripts) scripts.push_back(RecordScript(file, items, scriptSeconds));
    return Race(items, lesson.methods.value_or(DefaultMethods()), std::move(scripts));
}

RaceOptions ParseRaceOptions(const std::vector<std::string>& arguments, char decimalPoint)
{
    RaceOptions options;
    command_line::OptionParser parser;
    // Each setting of a lesson is an option of its own name; predict and full-screen are
    // flags, and the items are read with the user's own decimal point.
    for (std::string_view name : kSettingNames) {
        const std::string option = "--" + std::string(name);
        const auto take = [&options, name, decimalPoint](const std::string& value) {
            try {
                TakeSetting(options.lesson, name, value, decimalPoint);
            } catch (const SettingRefused& refused) {
                throw RaceUsageError("--" + std::string(refused.what()));
            }
        };
        if (name == "predict" || name == "full-screen")
            parser.Flag(option, [take] { take("on"); });
        else
            parser.Take(option, take);
    }
    parser.Flag("--sound", [&] { options.sound = true; });
    parser.Flag("--unprotected", [&] { options.unprotected = true; });
    parser.Take("--script-seconds", [&](const std::string& text) { options.scriptSeconds = ScriptSeconds(text); });
    for (const ExportFormatRow& row : kExportFormats)
        parser.Take(row.option, [&options, &row](const std::string& path) {
            if (options.exportTo && options.exportTo->format != row.format)
                throw RaceUsageError(platform::Words("race", "one file to write at a time"));
            options.exportTo = ExportAsked{row.format, path};
        });
    parser.Take("--steps", [&](const std::string& range) { options.steps = StepRange(range); });
    parser.Take("--size", [&](const std::string& size) { options.size = VideoSize(size); });
    parser.Operands([&](const std::string& path) {
        if (options.lessonFile) throw RaceUsageError(platform::Words("race", "one lesson file at a time"));
        options.lessonFile = path;
    });
    parser.Parse(arguments);
    options.help = parser.HelpAsked();
    options.version = parser.VersionAsked();
    if (!options.help && !options.version) command_line::RequireProtection(options.lesson.scripts, options.unprotected);
    return options;
}

std::string RaceUsageText(const std::string& program)
{
    using platform::Words;
    // A translation keeps its lines within 80 characters, the columns where they stand.
    return platform::Fill(Words("race", "Usage: %1 [options] [LESSON.sortrace]\n"), {program}) +
           Words("race", R"(Races sorting methods side by side on the same items, paced by their work.

  --methods LIST   the methods that race, two or more, from these, or all
                   (default: selection,insertion,bubble,merge):
)") + command_line::MethodGlossary() +
           Words("race", R"(  --items LIST     how many items race (1 to 2000), or the items themselves:
                   2 to 2000 numbers, none negative, such as "5 3 8 1 9"
  --order NAME     the items' initial order: random, sorted, reversed,
                   nearly-sorted or few-unique
  --seed N         the seed the random items are made from
  --speed N        steps a second, from 1 to 10000000
  --zoom PERCENT   every text larger: 100 to 300, in steps of 25
  --focus METHOD   look closely at this method (or a script's file name)
  --predict        ask about each decision of the method looked at
  --full-screen    fill the screen
  --step N         stand at this step of the race
)") + ExportUsage() +
           Words("race", R"(  --sound          sound each step, a higher tone for a larger item (remembered)
  --script FILE    also race a sort of your own: FILE defines sort(a) in
                   Python 3 (more than once: a panel each); it runs in
                   /usr/bin/python3, in a sandbox (bubblewrap, or else the
                   kernel's Landlock), unable to start a program, connect, or
                   change a file. Its a[0] is item 1 on the bars, as places
                   count from 1 here
  --unprotected    race the scripts where no sandbox works here: they can then
                   read whatever you can
  --script-seconds N
                   the time each script may take, 1 to 600 seconds (default: 10)
  LESSON.sortrace  open a lesson saved from the race (the options then apply)
  -h, --help       show this text
  --version        show the program's version
)");
}

}  // namespace race
