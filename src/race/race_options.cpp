#include "race/race_options.h"

#include "platform/option_reader.h"
#include "sorting/method_list.h"

namespace race {

RaceOptions ParseRaceOptions(const std::vector<std::string>& arguments, char decimalPoint)
{
    RaceOptions options;
    platform::OptionReader<RaceUsageError> reader(arguments);
    while (reader.Next()) {
        const std::string& option = reader.Option();
        const auto value = [&reader]() -> const std::string& { return reader.Value(); };
        if (option == "-h" || option == "--help") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--methods") {
            options.methods = sorting::ParseMethodOption<RaceUsageError>(value());
            if (options.methods.size() < kFewestMethods) throw RaceUsageError("a race needs two methods or more");
        } else if (option == "--items") {
            try {
                options.items = ReadItems(value(), decimalPoint);
            } catch (const ItemsRefused& refused) {
                throw RaceUsageError(std::string("--items: ") + refused.what());
            }
        } else if (option == "--sound") {
            options.sound = true;
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
  --items LIST     how many items race (1 to 2000), or the items themselves: 2 to 2000
                   numbers, none negative, such as "5 3 8 1 9" or "5, 3, 8, 1, 9"
  --sound          sound each step, a higher tone for a larger item (remembered)
  -h, --help       show this text
  --version        show the program's version
)";
}

}  // namespace race
