#pragma once

#include "command_line/usage_error.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace command_line {

// The entries of a list apart by commas, without the blanks around them; empty ones are
// passed over.
std::vector<std::string> ListEntries(const std::string& text);

// Whether two names are the same but for the case of their letters.
bool SameName(std::string_view a, std::string_view b);

// "random, sorted, ...": the names of `all`, as a list to choose from.
template <typename Thing, std::size_t N>
std::string KnownNames(const std::array<Thing, N>& all, std::string_view (*nameOf)(Thing))
{
    std::string names;
    for (Thing thing : all) names.append(names.empty() ? "" : ", ").append(nameOf(thing));
    return names;
}

// The things a list names, in any case, each once and in the order given, or every one for
// "all". An unknown name raises UsageError naming it, as `what` ("method"), with the known
// ones; so does an empty list, naming `option`.
template <typename Thing, std::size_t N>
std::vector<Thing> ParseNames(const std::string& list, const std::array<Thing, N>& all,
                              std::string_view (*nameOf)(Thing), const std::string& what, const std::string& option)
{
    if (SameName(list, "all")) return {all.begin(), all.end()};
    std::vector<Thing> chosen;
    for (const std::string& name : ListEntries(list)) {
        const auto known = std::find_if(all.begin(), all.end(), [&](Thing t) { return SameName(nameOf(t), name); });
        if (known == all.end())
            throw UsageError("unknown " + what + " \"" + name + "\" (choose from " + KnownNames(all, nameOf) +
                             ", or all)");
        if (std::find(chosen.begin(), chosen.end(), *known) == chosen.end()) chosen.push_back(*known);
    }
    if (chosen.empty()) throw UsageError(option + " needs at least one " + what);
    return chosen;
}

}  // namespace command_line
