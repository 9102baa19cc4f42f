// Fuzzes the paths that turn typed texts into numbers: Val, the rounding of the item count to
// 32 bits, and the animation delay count. Each result is checked against a simple reference:
// the longest prefix of the number grammar, read by strtod.

#include "animation/animation_delay.h"
#include "platform/rounding.h"
#include "platform/run_time_error.h"
#include "platform/val.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of the number at the start of `text`, or nothing for a value beyond double range.
std::optional<double> ReferenceVal(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) number += text[i++], ++digits;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) number += text[i++], ++digits;
    }
    if (digits == 0) return 0.0;
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == '+' || text[j] == '-') exponent += text[j++];
        const std::size_t start = j;
        while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
        if (j > start) number += exponent;
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

[[noreturn]] void Disagree() { __builtin_trap(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> expected = ReferenceVal(text);

    std::optional<double> value;
    try {
        value = platform::Val(text);
    } catch (const platform::RunTimeError& error) {
        if (error.kind() != platform::ErrorKind::Overflow) Disagree();
    }
    if (value.has_value() != expected.has_value()) Disagree();
    if (!value) return 0;
    // Below the smallest normal double the two may round a subnormal differently; both are 0 or tiny.
    if (*value != *expected && !(std::fabs(*expected) < 2.3e-308 && std::fabs(*value) < 2.3e-308)) Disagree();

    // The item count: rounded halves to even, or the overflow error out of range.
    try {
        const std::int32_t count = platform::RoundToInt32(*value);
        if (std::fabs(count - *value) > 0.5) Disagree();
        if (std::fabs(count - *value) == 0.5 && count % 2 != 0) Disagree();
    } catch (const platform::RunTimeError& error) {
        if (error.kind() != platform::ErrorKind::Overflow) Disagree();
        if (std::fabs(*value) < 2147483647.0) Disagree();
    }

    // The delay: value × 1000, rounded, or an error that names the cause.
    try {
        const std::int32_t delay = animation::DelayCount(text);
        if (std::fabs(delay - *value * 1000.0) > 0.5) Disagree();
    } catch (const platform::RunTimeError& error) {
        const bool expectedError =
            error.kind() == platform::ErrorKind::Overflow || error.kind() == platform::ErrorKind::InvalidFloatingPoint;
        if (!expectedError || std::fabs(*value * 1000.0) < 2147483647.0) Disagree();
    }
    return 0;
}
