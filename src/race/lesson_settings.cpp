#include "race/lesson_settings.h"

#include "command_line/method_list.h"
#include "command_line/option_parser.h"
#include "command_line/script_option.h"
#include "command_line/usage_error.h"
#include "platform/words.h"
#include "race/pace.h"
#include "race/race_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

namespace race {
namespace {

using platform::Fill;
using platform::Words;

[[noreturn]] void Refuse(std::string_view name, const std::string& why)
{
    throw SettingRefused(std::string(name) + ": " + why);
}

// A whole number from `least` to `most`, the whole text.
std::uint64_t WholeNumber(std::string_view name, const std::string& value, std::uint64_t least, std::uint64_t most)
{
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc{} || end != value.data() + value.size() || number < least || number > most)
        Refuse(name, Fill(Words("race", "a whole number from %1 to %2"), {std::to_string(least), std::to_string(most)}));
    return number;
}

double Number(std::string_view name, const std::string& value)
{
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc{} || end != value.data() + value.size() || !std::isfinite(number))
        Refuse(name, Words("race", "not a number"));
    return number;
}

bool OnOrOff(std::string_view name, const std::string& value)
{
    if (value != "on" && value != "off") Refuse(name, Words("race", "on or off"));
    return value == "on";
}

int SpeedNotch(std::string_view name, const std::string& value)
{
    const double stepsPerSecond = Number(name, value);
    const double notch = std::log10(stepsPerSecond) * Pace::kNotchesPerDecade;
    if (!(stepsPerSecond > 0) || notch < Pace::kSlowest - 0.5 || notch > Pace::kFastest + 0.5)
        Refuse(name, Words("race", "steps a second, from 1 to 10000000"));
    return static_cast<int>(std::lround(notch));
}

std::string Written(double number)
{
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, number).ptr};
}

std::string ItemsWritten(const ItemsAsked& items)
{
    if (const auto* count = std::get_if<std::int32_t>(&items)) return std::to_string(*count);
    std::string text;
    const auto& values = std::get<std::vector<float>>(items);
    for (std::size_t i = 1; i < values.size(); ++i) {
        char number[32];
        text.append(number, std::to_chars(number, number + sizeof number, values[i]).ptr);
        if (i + 1 < values.size()) text += ' ';
    }
    return text;
}

std::string MethodsWritten(const std::vector<sorting::SortMethod>& methods)
{
    std::string text;
    for (sorting::SortMethod method : methods) {
        if (!text.empty()) text += ',';
        text += sorting::MethodKey(method);
    }
    return text;
}

// The speed in steps a second, three figures at the most, which give its notch back.
std::string SpeedWritten(int notch)
{
    const double stepsPerSecond = Pace::StepsPerSecondAt(notch);
    const double scale = std::pow(10.0, std::floor(std::log10(stepsPerSecond)) - 2);
    return Written(std::round(stepsPerSecond / scale) * scale);
}

// A list with a name mistyped keeps the methods it names rightly, where they are enough to
// race, and says which name it did not know and what it may have meant.
void TakeMethods(LessonSettings& settings, const std::string& value)
{
    try {
        const auto methods = command_line::ParseMethodList(value);
        if (methods.size() < kFewestMethods) Refuse("methods", Words("race", "a race needs two methods or more"));
        settings.methods = methods;
        return;
    } catch (const command_line::UsageError& refused) {
        std::vector<sorting::SortMethod> known;
        std::string unknown;
        std::istringstream names(value);
        for (std::string name; std::getline(names, name, ',');) {
            try {
                for (sorting::SortMethod method : command_line::ParseMethodList(name))
                    if (std::ranges::find(known, method) == known.end()) known.push_back(method);
            } catch (const command_line::UsageError&) {
                if (unknown.empty()) unknown = name;
            }
        }
        if (unknown.empty()) Refuse("methods", refused.what());
        if (known.size() >= kFewestMethods) settings.methods = known;
        std::vector<std::string> keys;
        for (sorting::SortMethod method : sorting::kAllMethods) keys.emplace_back(sorting::MethodKey(method));
        const std::string closest = command_line::ClosestName(unknown, keys);
        Refuse("methods", closest.empty() ? Fill(Words("race", "%1 is no method's name"), {unknown})
                                          : Fill(Words("race", "%1: did you mean %2?"), {unknown, closest}));
    }
}

}  // namespace

bool IsSetting(std::string_view name) { return std::ranges::find(kSettingNames, name) != std::end(kSettingNames); }

LessonSettings Overlaid(LessonSettings under, const LessonSettings& over)
{
    const auto put = [](auto& to, const auto& from) {
        if (from) to = from;
    };
    put(under.methods, over.methods);
    put(under.items, over.items);
    put(under.order, over.order);
    put(under.seed, over.seed);
    if (!over.scripts.empty()) under.scripts = over.scripts;
    put(under.speed, over.speed);
    put(under.zoom, over.zoom);
    put(under.focus, over.focus);
    put(under.predict, over.predict);
    put(under.fullScreen, over.fullScreen);
    put(under.step, over.step);
    return under;
}

void TakeSetting(LessonSettings& settings, std::string_view name, const std::string& value, char decimalPoint)
{
    try {
        // Each value is read whole before it is taken: one refused leaves the setting as it was.
        if (name == "methods") {
            TakeMethods(settings, value);
        } else if (name == "items") {
            settings.items = ReadItems(value, decimalPoint);
        } else if (name == "order") {
            const auto order = sorting::OrderNamed(value);
            if (!order) Refuse(name, Words("race", "random, sorted, reversed, nearly-sorted or few-unique"));
            settings.order = order;
        } else if (name == "seed") {
            settings.seed = Number(name, value);
        } else if (name == "script") {
            settings.scripts.push_back(command_line::ScriptOption(value));
        } else if (name == "speed") {
            settings.speed = SpeedNotch(name, value);
        } else if (name == "zoom") {
            const auto zoom = WholeNumber(name, value, kUsualZoom, kMostZoom);
            if (zoom % kZoomStep != 0) Refuse(name, Words("race", "100 to 300, in steps of 25"));
            settings.zoom = static_cast<int>(zoom);
        } else if (name == "focus") {
            settings.focus = value;
        } else if (name == "predict") {
            settings.predict = OnOrOff(name, value);
        } else if (name == "full-screen") {
            settings.fullScreen = OnOrOff(name, value);
        } else if (name == "step") {
            settings.step = WholeNumber(name, value, 0, std::uint64_t{1} << 40);
        }
    } catch (const ItemsRefused& refused) {
        Refuse(name, refused.what());
    } catch (const command_line::UsageError& error) {
        Refuse(name, error.what());
    }
}

std::vector<std::pair<std::string, std::string>> SettingValues(const LessonSettings& settings)
{
    std::vector<std::pair<std::string, std::string>> values;
    const auto add = [&](const char* name, std::string value) { values.emplace_back(name, std::move(value)); };
    if (settings.methods) add("methods", MethodsWritten(*settings.methods));
    if (settings.items) add("items", ItemsWritten(*settings.items));
    if (settings.order) add("order", std::string(sorting::OrderName(*settings.order)));
    if (settings.seed) add("seed", Written(*settings.seed));
    for (const script::ScriptFile& script : settings.scripts) add("script", script.path);
    if (settings.speed) add("speed", SpeedWritten(*settings.speed));
    if (settings.zoom) add("zoom", std::to_string(*settings.zoom));
    if (settings.focus) add("focus", *settings.focus);
    if (settings.predict) add("predict", *settings.predict ? "on" : "off");
    if (settings.fullScreen) add("full-screen", *settings.fullScreen ? "on" : "off");
    if (settings.step) add("step", std::to_string(*settings.step));
    return values;
}

std::vector<std::string> SettingArguments(const LessonSettings& settings)
{
    std::vector<std::string> arguments;
    for (const auto& [name, value] : SettingValues(settings)) {
        const bool flag = name == "predict" || name == "full-screen";
        if (flag && value == "off") continue;
        arguments.push_back("--" + name);
        if (!flag) arguments.push_back(value);
    }
    return arguments;
}

std::string ShellLine(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments) {
        const bool plain = !argument.empty() && std::ranges::all_of(argument, [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || std::string_view("-_.,/:=+@%").find(c) != std::string_view::npos;
        });
        if (!line.empty()) line += ' ';
        if (plain) {
            line += argument;
            continue;
        }
        line += '\'';
        for (char c : argument) line += c == '\'' ? std::string("'\\''") : std::string(1, c);
        line += '\'';
    }
    return line;
}

}  // namespace race
