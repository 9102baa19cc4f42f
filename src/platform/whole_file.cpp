#include "platform/whole_file.h"

#include <cstdio>

namespace platform {

bool WriteWhole(const std::string& path, const std::function<bool(const std::string& partial)>& write)
{
    const std::string partial = path + ".partial";
    bool whole = false;
    try {
        whole = write(partial) && std::rename(partial.c_str(), path.c_str()) == 0;
    } catch (...) {
        std::remove(partial.c_str());
        throw;
    }
    if (!whole) std::remove(partial.c_str());
    return whole;
}

}  // namespace platform
