#include "command_line/option_parser.h"

#include "command_line/usage_error.h"

#include <algorithm>

namespace command_line {

void OptionParser::Take(std::string name, std::function<void(const std::string&)> read)
{
    options_.push_back({std::move(name), true, std::move(read)});
}

void OptionParser::Flag(std::string name, std::function<void()> set)
{
    options_.push_back({std::move(name), false, [set = std::move(set)](const std::string&) { set(); }});
}

void OptionParser::Parse(const std::vector<std::string>& arguments)
{
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& option = arguments[at];
        if (option == "-h" || option == "--help") {
            help_ = true;
            continue;
        }
        if (option == "--version") {
            version_ = true;
            continue;
        }
        const auto declared =
            std::find_if(options_.begin(), options_.end(), [&](const Declared& d) { return d.name == option; });
        if (declared == options_.end()) throw UnknownOption("unknown option \"" + option + "\"");
        if (!declared->takesValue) {
            declared->read({});
            continue;
        }
        if (at + 1 >= arguments.size()) throw UsageError(option + " needs a value");
        declared->read(arguments[++at]);
    }
}

}  // namespace command_line
