#pragma once

#include "sorting/sort_method.h"

#include <algorithm>
#include <string>

namespace testing_support {

// A method's key as a test's name may hold it: "three_way_quick".
inline std::string TestName(sorting::SortMethod method)
{
    std::string name(sorting::MethodKey(method));
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

}  // namespace testing_support
