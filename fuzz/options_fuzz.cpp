// Feeds any command line to the two companion programs' option parsers: each takes it or
// refuses it with a message that says why, never anything else. A file named by --script is
// the script reader's business, not the parser's: such lines are left out.

#include "compare/compare_options.h"
#include "race/race_options.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The arguments: the bytes parted at each zero byte.
std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back().push_back(static_cast<char>(data[i]));
    }
    return arguments;
}

template <typename Parse>
void Parses(Parse parse)
{
    try {
        parse();
    } catch (const command_line::UsageError& refused) {
        if (std::string(refused.what()).empty()) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> arguments = Arguments(data, size);
    for (const std::string& argument : arguments)
        if (argument.find("--script") != std::string::npos || argument.find("--chart") != std::string::npos)
            return 0;
    Parses([&] { compare::ParseOptions(arguments); });
    Parses([&] { race::ParseRaceOptions(arguments, ','); });
    return 0;
}
