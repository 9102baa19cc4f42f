#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace script {

// A student's file, read whole: its name as the messages and the code pane give it, and its
// text.
struct ScriptFile {
    std::string name;
    std::string source;
    std::string path{};  // where it was read, as given
    // The user said it may run where no protection can be had: for this file alone.
    bool unprotectedAllowed = false;
};

// A file that cannot be raced, and why.
class ScriptFileError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the file at `path`, at most kLargestScript bytes.
ScriptFile ReadScriptFile(const std::string& path);
inline constexpr std::size_t kLargestScript = 1 << 20;

}  // namespace script
