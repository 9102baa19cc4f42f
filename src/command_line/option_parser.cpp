#include "command_line/option_parser.h"

#include "command_line/usage_error.h"
#include "platform/words.h"

#include <algorithm>
#include <numeric>

namespace command_line {
namespace {

// How many letters must be added, dropped or changed to make one word the other.
std::size_t EditDistance(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::string ClosestName(const std::string& unknown, const std::vector<std::string>& names)
{
    std::string closest;
    std::size_t best = 3;  // at most two letters amiss
    for (const std::string& name : names) {
        const std::size_t distance = EditDistance(unknown, name);
        if (distance < best) {
            best = distance;
            closest = name;
        }
    }
    return closest;
}

std::string OptionParser::Closest(const std::string& unknown) const
{
    std::vector<std::string> names;
    for (const Declared& option : options_) names.push_back(option.name);
    return ClosestName(unknown, names);
}

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
        if (operand_ && !option.empty() && option.front() != '-') {
            operand_(option);
            continue;
        }
        const auto declared =
            std::find_if(options_.begin(), options_.end(), [&](const Declared& d) { return d.name == option; });
        if (declared == options_.end()) {
            const std::string closest = Closest(option);
            throw UnknownOption(
                closest.empty()
                    ? platform::Fill(platform::Words("command_line", "unknown option \"%1\""), {option})
                    : platform::Fill(platform::Words("command_line", "unknown option \"%1\"; did you mean %2?"),
                                     {option, closest}),
                closest);
        }
        if (!declared->takesValue) {
            declared->read({});
            continue;
        }
        if (at + 1 >= arguments.size())
            throw UsageError(platform::Fill(platform::Words("command_line", "%1 needs a value"), {option}));
        declared->read(arguments[++at]);
    }
}

std::string Refusal(const std::string& program, const std::string& why)
{
    return program + ": " + why + "\n" +
           platform::Fill(platform::Words("command_line", "Try '%1 --help'."), {program}) + "\n";
}

}  // namespace command_line
