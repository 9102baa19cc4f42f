#pragma once

#include <string>

namespace platform {

// How the user's regional settings write a number.
struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string groupSeparator;  // empty: no digit grouping
    int groupSize = 3;
    bool leadingZero = true;  // "0.27" rather than ".27"
    std::string negativeSign = "-";
};

// The number format of the user's locale (as set for the process, LC_NUMERIC).
NumberFormat RegionalNumberFormat();

// `value` with exactly `digits` digits after the decimal separator, rounded to nearest.
std::string FormatNumber(double value, int digits, const NumberFormat& format);

}  // namespace platform
