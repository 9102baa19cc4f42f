#pragma once

#include "sorting/sort_method.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace race {

// What sorting-race is asked for on its command line.
struct RaceOptions {
    std::vector<sorting::SortMethod> methods{sorting::kWindowMethods.begin(), sorting::kWindowMethods.end()};
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

RaceOptions ParseRaceOptions(const std::vector<std::string>& arguments);

std::string RaceUsageText(const std::string& program);

}  // namespace race
