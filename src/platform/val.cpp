#include "platform/val.h"

#include "platform/run_time_error.h"

#include <charconv>
#include <cstdlib>
#include <string>
#include <system_error>

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct NumberExtent {
    std::size_t end = 0;        // one past the last character of the number
    long decimalMagnitude = 0;  // rough power of ten of the value, to tell overflow from underflow
};

// Finds how far the number starting at `begin` reaches; `end` stays `begin` without a digit.
NumberExtent ScanNumber(std::string_view text, std::size_t begin)
{
    NumberExtent extent{begin, 0};
    std::size_t pos = begin;
    bool anyDigit = false;
    bool seenNonZero = false;
    long magnitude = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        seenNonZero = seenNonZero || text[pos] != '0';
        magnitude += seenNonZero ? 1 : 0;
        anyDigit = true;
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            if (!seenNonZero && text[pos] == '0') --magnitude;
            seenNonZero = seenNonZero || text[pos] != '0';
            anyDigit = true;
            ++pos;
        }
    }
    if (!anyDigit) return extent;
    extent.end = pos;

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        bool negative = false;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            negative = text[expPos] == '-';
            ++expPos;
        }
        long exponent = 0;
        std::size_t digitsStart = expPos;
        while (expPos < text.size() && IsDigit(text[expPos])) {
            if (exponent < 100000) exponent = exponent * 10 + (text[expPos] - '0');
            ++expPos;
        }
        if (expPos > digitsStart) {
            extent.end = expPos;
            magnitude += negative ? -exponent : exponent;
        }
    }
    extent.decimalMagnitude = magnitude;
    return extent;
}

}  // namespace

double Val(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    const NumberExtent extent = ScanNumber(text, pos);
    if (extent.end == pos) return 0.0;

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data() + pos, text.data() + extent.end, value);
    if (ec == std::errc::result_out_of_range) {
        if (extent.decimalMagnitude > 0)
            throw RunTimeError(ErrorKind::Overflow,
                               "The number \"" + std::string(text.substr(pos, extent.end - pos)) + "\" is too large.");
        value = 0.0;  // too small to hold: it is zero
    }
    return negative ? -value : value;
}

}  // namespace platform
