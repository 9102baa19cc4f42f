#include "command_line/method_list.h"

#include "command_line/name_list.h"

namespace command_line {
namespace {

// "    name   what it is", the names in a column as wide as the longest and two blanks.
template <typename Thing, std::size_t N, typename Description>
std::string Glossary(const std::array<Thing, N>& all, std::string_view (*nameOf)(Thing), Description descriptionOf)
{
    std::size_t width = 0;
    for (Thing thing : all) width = std::max(width, nameOf(thing).size());
    std::string lines;
    for (Thing thing : all) {
        std::string name(nameOf(thing));
        name.resize(width + 2, ' ');
        lines.append("    ").append(name).append(descriptionOf(thing)).append("\n");
    }
    return lines;
}

std::string MethodDescription(sorting::SortMethod method)
{
    return platform::Words("method", sorting::Facts(method).description.data());
}

}  // namespace

std::string KnownMethodNames() { return KnownNames(sorting::kAllMethods, sorting::MethodKey); }

std::vector<sorting::SortMethod> ParseMethodList(const std::string& list)
{
    return ParseNames(list, sorting::kAllMethods, sorting::MethodKey,
                      {platform::Words("command_line", "unknown method \"%1\" (choose from %2, or all)"),
                       platform::Words("command_line", "--methods needs at least one method")});
}

std::vector<sorting::InitialOrder> ParseOrderList(const std::string& list)
{
    return ParseNames(list, sorting::kInitialOrders, sorting::OrderName,
                      {platform::Words("command_line", "unknown order \"%1\" (choose from %2, or all)"),
                       platform::Words("command_line", "--orders needs at least one order")});
}

std::string MethodGlossary() { return Glossary(sorting::kAllMethods, sorting::MethodKey, MethodDescription); }

std::string OrderGlossary() { return Glossary(sorting::kInitialOrders, sorting::OrderName, sorting::OrderDescription); }

}  // namespace command_line
