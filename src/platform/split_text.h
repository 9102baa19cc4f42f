#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace platform {

// The parts of `text` between the separators, in order; an empty text has none.
inline std::vector<std::string> SplitText(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
    return parts;
}

}  // namespace platform
