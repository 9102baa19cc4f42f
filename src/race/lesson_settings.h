#pragma once

#include "race/item_list.h"
#include "script/script_file.h"
#include "sorting/initial_order.h"
#include "sorting/sort_method.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace race {

// What a race is set to, as a lesson keeps it and a command line gives it: each setting that
// is given; the race keeps its own for the others.
struct LessonSettings {
    std::optional<std::vector<sorting::SortMethod>> methods;
    std::optional<ItemsAsked> items;
    std::optional<sorting::InitialOrder> order;
    std::optional<double> seed;
    std::vector<script::ScriptFile> scripts;  // students' sorts, each a panel after the methods
    std::optional<int> speed;                 // a notch of the race's speed
    std::optional<int> zoom;                  // per cent
    std::optional<std::string> focus;         // the method looked at: its key, or a script's file name
    std::optional<bool> predict;
    std::optional<bool> fullScreen;
    std::optional<std::uint64_t> step;  // where the race stands on its clock
};

// The methods a race has where nothing names them: the window's four.
inline std::vector<sorting::SortMethod> DefaultMethods()
{
    return {sorting::kWindowMethods.begin(), sorting::kWindowMethods.end()};
}

// How many items race where nothing says.
inline constexpr std::int32_t kDefaultCount = 100;

// The zoom, per cent: as usual, at the most, and a step of it.
inline constexpr int kUsualZoom = 100, kMostZoom = 300, kZoomStep = 25;

// A value a setting cannot take, and why: "zoom: 100 to 300, in steps of 25".
class SettingRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The settings' names, as a lesson file writes them and a command line does after "--".
inline constexpr std::string_view kSettingNames[] = {"methods", "items", "order",   "seed",        "script", "speed",
                                                     "zoom",    "focus", "predict", "full-screen", "step"};

bool IsSetting(std::string_view name);

// `under` with each setting `over` gives put over it.
LessonSettings Overlaid(LessonSettings under, const LessonSettings& over);

// Takes `value` for the setting `name`: numbers with "." or `decimalPoint`, the user's own,
// for the items, "on" or "off" for predict and full-screen. Refuses with SettingRefused.
void TakeSetting(LessonSettings& settings, std::string_view name, const std::string& value, char decimalPoint);

// The settings as name and value, in the order above, as TakeSetting takes them back: the
// numbers with ".", the speed in steps a second, a line each script.
std::vector<std::pair<std::string, std::string>> SettingValues(const LessonSettings& settings);

// A command line of sorting-race that sets the race so: the arguments after the program's
// name, predict and full-screen as options without a value.
std::vector<std::string> SettingArguments(const LessonSettings& settings);

// The arguments as one line a shell takes back as they are: each quoted where it needs it.
std::string ShellLine(const std::vector<std::string>& arguments);

}  // namespace race
