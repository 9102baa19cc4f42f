#pragma once

#include "platform/words.h"
#include "sorting/method_code.h"

namespace sorting::passes {

// The variables of a method that goes over the items pass after pass, bubble and radix sort:
// the pass, and the item it has come to.
struct Variables {
    Value pass{}, i{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "pass"), &Variables::pass},
                                                     {SORTING_WORDS("Code", "i"), &Variables::i}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

}  // namespace sorting::passes
