#pragma once

#include "command_line/usage_error.h"
#include "platform/words.h"

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

// How a list is refused, in the user's words: a name it does not know ("%1", with the known
// ones as "%2"), and a list that names nothing.
struct ListRefusals {
    std::string unknown;
    std::string empty;
};

// The things a list names, in any case, each once and in the order given, or every one for
// "all". An unknown name, or an empty list, raises UsageError saying so.
template <typename Thing, std::size_t N>
std::vector<Thing> ParseNames(const std::string& list, const std::array<Thing, N>& all,
                              std::string_view (*nameOf)(Thing), const ListRefusals& refusals)
{
    if (SameName(list, "all")) return {all.begin(), all.end()};
    std::vector<Thing> chosen;
    for (const std::string& name : ListEntries(list)) {
        const auto known = std::find_if(all.begin(), all.end(), [&](Thing t) { return SameName(nameOf(t), name); });
        if (known == all.end()) throw UsageError(platform::Fill(refusals.unknown, {name, KnownNames(all, nameOf)}));
        if (std::find(chosen.begin(), chosen.end(), *known) == chosen.end()) chosen.push_back(*known);
    }
    if (chosen.empty()) throw UsageError(refusals.empty);
    return chosen;
}

}  // namespace command_line
