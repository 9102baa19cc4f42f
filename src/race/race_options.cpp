#include "race/race_options.h"

#include "sorting/method_list.h"

namespace race {

RaceOptions ParseRaceOptions(const std::vector<std::string>& arguments)
{
    RaceOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) throw RaceUsageError(option + " needs a value");
            return arguments[++i];
        };
        if (option == "-h" || option == "--help") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--methods") {
            try {
                options.methods = sorting::ParseMethodList(value());
            } catch (const std::invalid_argument& error) {
                throw RaceUsageError(error.what());
            }
            if (options.methods.size() < kFewestMethods) throw RaceUsageError("a race needs two methods or more");
        } else {
            throw UnknownRaceOption("unknown option \"" + option + "\"");
        }
    }
    return options;
}

std::string RaceUsageText(const std::string& program)
{
    return "Usage: " + program + R"( [options]
Races sorting methods side by side on the same items, paced by their work.

  --methods LIST   the methods that race, two or more, from
                   )" +
           sorting::KnownMethodNames() + R"(, or all
                   (default: selection,insertion,bubble,merge)
  -h, --help       show this text
  --version        show the program's version
)";
}

}  // namespace race
