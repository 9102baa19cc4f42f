#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace race {

// What the Items field (or --items) asks for: a count of random items, or the items themselves,
// element 0 first.
using ItemsAsked = std::variant<std::int32_t, std::vector<float>>;

// Text that asks for no race; the message names the first entry that cannot be taken.
class ItemsRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole count from 1 to 2,000, or a list of 2 to 2,000 numbers, none negative, apart
// by spaces, commas or semicolons ("5 3 8 1 9", "5, 3, 8, 1, 9"). A number's decimal point is
// "." or `decimalPoint`, the user's own; where that is a comma, a comma between digits is a
// decimal point and one before a space parts two numbers. Spaces around the text are ignored.
ItemsAsked ReadItems(const std::string& text, char decimalPoint);

}  // namespace race
