#pragma once

#include "command_line/usage_error.h"
#include "race/item_list.h"
#include "script/script_process.h"
#include "sorting/sort_method.h"

#include <optional>
#include <string>
#include <vector>

namespace race {

// What sorting-race is asked for on its command line.
struct RaceOptions {
    std::vector<sorting::SortMethod> methods{sorting::kWindowMethods.begin(), sorting::kWindowMethods.end()};
    std::optional<ItemsAsked> items;          // none: the window's own first count
    std::vector<script::ScriptFile> scripts;  // students' sorts, each a panel after the methods
    bool sound = false;
    bool help = false;
    bool version = false;
};

// The fewest methods a race can have.
inline constexpr std::size_t kFewestMethods = 2;

using RaceUsageError = command_line::UsageError;
using UnknownRaceOption = command_line::UnknownOption;

// `decimalPoint` is the user's own, which the numbers of --items may have.
RaceOptions ParseRaceOptions(const std::vector<std::string>& arguments, char decimalPoint = '.');

std::string RaceUsageText(const std::string& program);

}  // namespace race
