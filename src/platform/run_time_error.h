#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// The failures a run can meet. Each one stops the run; the window reports it and stays usable.
enum class ErrorKind {
    Overflow,
    DivisionByZero,
    SubscriptOutOfRange,
    OutOfMemory,
    InvalidFloatingPoint,
    NegativeCount,
};

// The plain-words name of an error, as the user reads it in the report.
std::string ErrorName(ErrorKind kind);

class RunTimeError : public std::runtime_error {
public:
    // `detail` says, in the user's terms, what led to the error; it may be empty.
    explicit RunTimeError(ErrorKind kind, std::string detail = {});

    ErrorKind kind() const noexcept { return kind_; }
    const std::string& detail() const noexcept { return detail_; }

private:
    ErrorKind kind_;
    std::string detail_;
};

}  // namespace platform
