#pragma once

#include <stdexcept>
#include <string>

namespace command_line {

// A command line that cannot be followed; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An option the program does not know, which may yet be one of the window system's own,
// unless it is near one of the program's.
class UnknownOption : public UsageError {
public:
    UnknownOption(const std::string& message, std::string nearest) : UsageError(message), nearest_(std::move(nearest))
    {
    }
    // The program's option that it is near, if any.
    const std::string& Nearest() const { return nearest_; }

private:
    std::string nearest_;
};

}  // namespace command_line
