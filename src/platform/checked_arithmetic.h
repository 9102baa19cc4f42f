#pragma once

#include "platform/run_time_error.h"

#include <cstdint>

namespace platform {

// 32-bit integer arithmetic that raises the overflow error instead of wrapping.

inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_add_overflow(a, b, &result)) throw RunTimeError(ErrorKind::Overflow);
    return result;
}

inline std::int32_t CheckedSub(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_sub_overflow(a, b, &result)) throw RunTimeError(ErrorKind::Overflow);
    return result;
}

inline std::int32_t CheckedMul(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_mul_overflow(a, b, &result)) throw RunTimeError(ErrorKind::Overflow);
    return result;
}

// Quotient truncated toward zero; a zero divisor raises the division-by-zero error.
inline std::int32_t CheckedDiv(std::int32_t a, std::int32_t b)
{
    if (b == 0) throw RunTimeError(ErrorKind::DivisionByZero);
    if (b == -1) return CheckedSub(0, a);
    return a / b;
}

}  // namespace platform
