#include "command_line/name_list.h"

#include "platform/split_text.h"

namespace command_line {

std::vector<std::string> ListEntries(const std::string& text) { return platform::SplitText(text, ','); }

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace command_line
