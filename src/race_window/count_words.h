#pragma once

#include <QString>

#include <cstddef>

namespace race_window {

// A method's place at the finish, for any rank: "1st", "2nd", "11th", "21st", ...
QString Ordinal(int rank);

// How many methods race: "two" to "twelve" in words, as prose writes small numbers, and more
// in digits.
QString CountInWords(std::size_t n);

}  // namespace race_window
