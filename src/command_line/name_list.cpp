#include "command_line/name_list.h"

#include "platform/split_text.h"

namespace command_line {

std::vector<std::string> ListEntries(const std::string& text)
{
    std::vector<std::string> entries;
    for (std::string entry : platform::SplitText(text, ',')) {
        entry.erase(0, entry.find_first_not_of(" \t"));
        entry.erase(entry.find_last_not_of(" \t") + 1);
        if (!entry.empty()) entries.push_back(entry);
    }
    return entries;
}

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace command_line
