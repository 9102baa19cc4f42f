#pragma once

#include <string_view>

namespace platform {

// The number at the start of a text, read leniently as users type it: leading blanks are
// skipped, then an optional sign, digits with an optional "." and an optional exponent
// ("e" or "E"). Whatever follows the number is ignored; a text that does not start with a
// number gives 0. A number beyond double precision's range raises the overflow error.
double Val(std::string_view text);

}  // namespace platform
