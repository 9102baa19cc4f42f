#include "race/race_options.h"

#include "command_line/method_list.h"
#include "command_line/option_parser.h"
#include "command_line/script_option.h"
#include "platform/words.h"

namespace race {

RaceOptions ParseRaceOptions(const std::vector<std::string>& arguments, char decimalPoint)
{
    RaceOptions options;
    command_line::OptionParser parser;
    parser.Take("--methods", [&](const std::string& list) {
        options.methods = command_line::ParseMethodList(list);
        if (options.methods.size() < kFewestMethods)
            throw RaceUsageError(platform::Words("race", "a race needs two methods or more"));
    });
    parser.Take("--items", [&](const std::string& text) {
        try {
            options.items = ReadItems(text, decimalPoint);
        } catch (const ItemsRefused& refused) {
            throw RaceUsageError(std::string("--items: ") + refused.what());
        }
    });
    parser.Flag("--sound", [&] { options.sound = true; });
    parser.Take("--script",
                [&](const std::string& path) { options.scripts.push_back(command_line::ScriptOption(path)); });
    parser.Parse(arguments);
    options.help = parser.HelpAsked();
    options.version = parser.VersionAsked();
    return options;
}

std::string RaceUsageText(const std::string& program)
{
    using platform::Words;
    // A translation keeps its lines within 80 characters, the columns where they stand.
    return platform::Fill(Words("race", "Usage: %1 [options]\n"), {program}) +
           Words("race", R"(Races sorting methods side by side on the same items, paced by their work.

  --methods LIST   the methods that race, two or more, from these, or all
                   (default: selection,insertion,bubble,merge):
)") + command_line::MethodGlossary() +
           Words("race", R"(  --items LIST     how many items race (1 to 2000), or the items themselves:
                   2 to 2000 numbers, none negative, such as "5 3 8 1 9"
  --sound          sound each step, a higher tone for a larger item (remembered)
  --script FILE    also race a sort of your own: FILE defines sort(a) in
                   Python 3 (more than once: a panel each); it runs in
                   /usr/bin/python3, in a sandbox where bubblewrap is installed;
                   without it, the script can read whatever you can. Its a[0]
                   is item 1 on the bars, as places count from 1 here
  -h, --help       show this text
  --version        show the program's version
)");
}

}  // namespace race
