#pragma once

#include <functional>
#include <string>

namespace platform {

// Writes a file whole or not at all: `write` makes it at the path it is given, beside `path`,
// and it takes `path`'s place only where `write` says it is whole; nothing is left of one that
// is not, nor of one whose `write` throws (the exception goes on). False where it was not
// written whole or could not take its place, an earlier file at `path` then kept as it was.
bool WriteWhole(const std::string& path, const std::function<bool(const std::string& partial)>& write);

}  // namespace platform
