#pragma once

#include "sorting/initial_order.h"
#include "sorting/sort_method.h"

#include <string>
#include <vector>

namespace command_line {

// "selection, insertion, ..., quick": the methods a command line can name.
std::string KnownMethodNames();

// The methods, and the orders, a line each with its description, as a help text lists them.
std::string MethodGlossary();
std::string OrderGlossary();

// The methods of --methods, and the initial orders of --orders: a comma-separated list of
// their names, or "all". What cannot be read raises UsageError saying why.
std::vector<sorting::SortMethod> ParseMethodList(const std::string& list);
std::vector<sorting::InitialOrder> ParseOrderList(const std::string& list);

}  // namespace command_line
