#pragma once

#include <stdexcept>

namespace command_line {

// A command line that cannot be followed; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An option the program does not know, which may yet be one of the window system's own.
class UnknownOption : public UsageError {
public:
    using UsageError::UsageError;
};

}  // namespace command_line
