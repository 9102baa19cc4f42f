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

}  // namespace sorting
