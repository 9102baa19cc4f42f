#include "sorting/method_list.h"

#include "platform/split_text.h"

#include <algorithm>
#include <cctype>

namespace sorting {
namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

}  // namespace

std::optional<SortMethod> MethodNamed(std::string_view name)
{
    for (SortMethod method : kAllMethods)
        if (Lower(MethodName(method)) == Lower(name)) return method;
    return std::nullopt;
}

std::string KnownMethodNames()
{
    std::string names;
    for (SortMethod method : kAllMethods) names += (names.empty() ? "" : ", ") + Lower(MethodName(method));
    return names;
}

std::vector<SortMethod> ParseMethodList(const std::string& list)
{
    if (Lower(list) == "all") return {kAllMethods.begin(), kAllMethods.end()};
    std::vector<SortMethod> methods;
    for (const std::string& name : platform::SplitText(list, ',')) {
        const std::optional<SortMethod> method = MethodNamed(name);
        if (!method)
            throw std::invalid_argument("unknown method \"" + name + "\" (choose from " + KnownMethodNames() +
                                        ", or all)");
        if (std::find(methods.begin(), methods.end(), *method) == methods.end()) methods.push_back(*method);
    }
    if (methods.empty()) throw std::invalid_argument("--methods needs at least one method");
    return methods;
}

}  // namespace sorting
