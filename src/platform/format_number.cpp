#include "platform/format_number.h"

#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>

namespace platform {

NumberFormat RegionalNumberFormat()
{
    NumberFormat format;
    if (const std::lconv* conv = std::localeconv()) {
        if (conv->decimal_point && *conv->decimal_point) format.decimalSeparator = conv->decimal_point;
        format.groupSeparator = conv->thousands_sep ? conv->thousands_sep : "";
        const char* grouping = conv->grouping;
        if (grouping && *grouping > 0 && *grouping != CHAR_MAX)
            format.groupSize = *grouping;
        else
            format.groupSeparator.clear();
    }
    return format;
}

std::string FormatNumber(double value, int digits, const NumberFormat& format)
{
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, digits);
    if (result.ec != std::errc{}) return "#";
    const std::string plain(buffer, result.ptr);

    const std::size_t point = plain.find('.');
    std::string whole = plain.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : plain.substr(point + 1);

    std::string grouped;
    if (!format.groupSeparator.empty() && format.groupSize > 0) {
        for (std::size_t i = 0; i < whole.size(); ++i) {
            if (i > 0 && (whole.size() - i) % static_cast<std::size_t>(format.groupSize) == 0)
                grouped += format.groupSeparator;
            grouped += whole[i];
        }
    } else {
        grouped = whole;
    }
    if (grouped == "0" && !format.leadingZero && !fraction.empty()) grouped.clear();

    std::string text = grouped;
    if (!fraction.empty()) text += format.decimalSeparator + fraction;

    // A value that rounds to zero is written without a sign.
    const bool allZero = plain.find_first_not_of("0.") == std::string::npos;
    return (std::signbit(value) && !allZero) ? format.negativeSign + text : text;
}

}  // namespace platform
