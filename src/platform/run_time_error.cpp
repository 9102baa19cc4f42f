#include "platform/run_time_error.h"

namespace platform {

std::string ErrorName(ErrorKind kind)
{
    switch (kind) {
        case ErrorKind::Overflow:
            return "Overflow";
        case ErrorKind::DivisionByZero:
            return "Division by zero";
        case ErrorKind::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorKind::OutOfMemory:
            return "Out of memory";
        case ErrorKind::InvalidFloatingPoint:
            return "Invalid floating-point operation";
        case ErrorKind::NegativeCount:
            return "Negative number of items";
    }
    return "Unknown error";
}

RunTimeError::RunTimeError(ErrorKind kind, std::string detail)
    : std::runtime_error(ErrorName(kind)), kind_(kind), detail_(std::move(detail))
{
}

}  // namespace platform
