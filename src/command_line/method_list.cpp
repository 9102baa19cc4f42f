#include "command_line/method_list.h"

#include "command_line/name_list.h"

namespace command_line {
namespace {

// "    name   what it is", the names in a column as wide as the longest and two blanks.
template <typename Thing, std::size_t N>
std::string Glossary(const std::array<Thing, N>& all, std::string_view (*nameOf)(Thing),
                     std::string_view (*descriptionOf)(Thing))
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

constexpr std::string_view MethodDescription(sorting::SortMethod method) { return sorting::Facts(method).description; }

}  // namespace

std::string KnownMethodNames() { return KnownNames(sorting::kAllMethods, sorting::MethodKey); }

std::vector<sorting::SortMethod> ParseMethodList(const std::string& list)
{
    return ParseNames(list, sorting::kAllMethods, sorting::MethodKey, "method", "--methods");
}

std::vector<sorting::InitialOrder> ParseOrderList(const std::string& list)
{
    return ParseNames(list, sorting::kInitialOrders, sorting::OrderName, "order", "--orders");
}

std::string MethodGlossary() { return Glossary(sorting::kAllMethods, sorting::MethodKey, MethodDescription); }

std::string OrderGlossary() { return Glossary(sorting::kInitialOrders, sorting::OrderName, sorting::OrderDescription); }

}  // namespace command_line
