#pragma once

#include "sorting/sort_method.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sorting {

// The method a command line names, in any case: "selection", "Merge", "QUICK", ...
std::optional<SortMethod> MethodNamed(std::string_view name);

// "selection, insertion, ..., quick": the names a command line takes.
std::string KnownMethodNames();

// A comma-separated list of method names, or "all" for every method, each once, in the order
// given. An unknown name, or none at all, raises std::invalid_argument saying so.
std::vector<SortMethod> ParseMethodList(const std::string& list);

// The same, for a command line: what cannot be read raises `Error` with the message.
template <typename Error>
std::vector<SortMethod> ParseMethodOption(const std::string& list)
{
    try {
        return ParseMethodList(list);
    } catch (const std::invalid_argument& error) {
        throw Error(error.what());
    }
}

}  // namespace sorting
