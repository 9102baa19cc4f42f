#pragma once

#include "race/item_list.h"
#include "sorting/sort_method.h"

#include <optional>

#include <stdexcept>
#include <string>
#include <vector>

namespace race {

// What sorting-race is asked for on its command line.
struct RaceOptions {
    std::vector<sorting::SortMethod> methods{sorting::kWindowMethods.begin(), sorting::kWindowMethods.end()};
    std::optional<ItemsAsked> items;  // none: the window's own first count
    bool sound = false;
    bool help = false;
    bool version = false;
};

// The fewest methods a race can have.
inline constexpr std::size_t kFewestMethods = 2;

// A command line that cannot be followed; the message says why.
class RaceUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An option the race does not know, which may yet be one of the window system's own.
class UnknownRaceOption : public RaceUsageError {
public:
    using RaceUsageError::RaceUsageError;
};

// `decimalPoint` is the user's own, which the numbers of --items may have.
RaceOptions ParseRaceOptions(const std::vector<std::string>& arguments, char decimalPoint = '.');

std::string RaceUsageText(const std::string& program);

}  // namespace race
