#include "platform/available_memory.h"

#include "platform/split_text.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <vector>

namespace platform {
namespace {

std::optional<std::uint64_t> ParseUnsigned(std::string_view text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// mountinfo writes blanks and the like in paths as octal escapes ("\040").
std::string Unescape(const std::string& path)
{
    std::string plain;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' && i + 3 < path.size()) {
            const int code = (path[i + 1] - '0') * 64 + (path[i + 2] - '0') * 8 + (path[i + 3] - '0');
            plain += static_cast<char>(code);
            i += 3;
        } else {
            plain += path[i];
        }
    }
    return plain;
}

// Where a control-group hierarchy is mounted: the group at its root, and the mount point.
struct Mount {
    std::string root;
    std::string point;
};

// The kinds of memory limit: the v2 files and the v1 files.
struct LimitFiles {
    const char* limit;
    const char* usage;
};
constexpr LimitFiles kVersion2{"memory.max", "memory.current"};
constexpr LimitFiles kVersion1{"memory.limit_in_bytes", "memory.usage_in_bytes"};

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return text.str();
}

SystemMemoryGauge::SystemMemoryGauge(FileReader read) : read_(std::move(read)) {}

std::optional<std::uint64_t> SystemMemoryGauge::AvailableBytes() const
{
    std::optional<std::uint64_t> least;
    const auto consider = [&least](std::uint64_t bytes) { least = least ? std::min(*least, bytes) : bytes; };

    if (const auto meminfo = read_("/proc/meminfo")) {
        for (const std::string& line : SplitText(*meminfo, '\n')) {
            if (!line.starts_with("MemAvailable:")) continue;
            std::istringstream fields(line.substr(13));
            std::uint64_t kibibytes = 0;
            std::string unit;
            if (fields >> kibibytes >> unit && unit == "kB") consider(kibibytes * 1024);
        }
    }

    // The mounts of the v2 hierarchy and of the v1 memory controller.
    std::optional<Mount> version2, version1;
    if (const auto mountinfo = read_("/proc/self/mountinfo")) {
        for (const std::string& line : SplitText(*mountinfo, '\n')) {
            const std::size_t dash = line.find(" - ");
            if (dash == std::string::npos) continue;
            const std::vector<std::string> before = SplitText(line.substr(0, dash), ' ');
            const std::vector<std::string> after = SplitText(line.substr(dash + 3), ' ');
            if (before.size() < 5 || after.size() < 3) continue;
            const Mount mount{Unescape(before[3]), Unescape(before[4])};
            if (after[0] == "cgroup2" && !version2) version2 = mount;
            const std::vector<std::string> options = SplitText(after[2], ',');
            if (after[0] == "cgroup" && !version1 && std::find(options.begin(), options.end(), "memory") != options.end())
                version1 = mount;
        }
    }

    // Every limit from the program's own group up to the root of the hierarchy binds it.
    const auto limitsAlong = [&](const Mount& mount, const std::string& group, const LimitFiles& files) {
        if (!group.starts_with(mount.root)) return;
        std::string relative = group.substr(mount.root == "/" ? 0 : mount.root.size());
        for (;;) {
            const std::string folder = mount.point + (relative == "/" ? "" : relative) + "/";
            const auto limit = read_(folder + files.limit);
            const auto usage = read_(folder + files.usage);
            if (limit && usage) {
                const auto limitBytes = ParseUnsigned(*limit);  // "max" (v2) means no limit
                const auto usageBytes = ParseUnsigned(*usage);
                if (limitBytes && usageBytes) consider(*limitBytes > *usageBytes ? *limitBytes - *usageBytes : 0);
            }
            if (relative.empty() || relative == "/") break;
            relative.erase(relative.rfind('/'));
        }
    };
    if (const auto groups = read_("/proc/self/cgroup")) {
        for (const std::string& line : SplitText(*groups, '\n')) {
            const std::size_t first = line.find(':');
            const std::size_t second = line.find(':', first + 1);
            if (first == std::string::npos || second == std::string::npos) continue;
            const std::string id = line.substr(0, first);
            const std::vector<std::string> controllers = SplitText(line.substr(first + 1, second - first - 1), ',');
            const std::string group = line.substr(second + 1);
            if (id == "0" && controllers.empty() && version2) limitsAlong(*version2, group, kVersion2);
            if (std::find(controllers.begin(), controllers.end(), "memory") != controllers.end() && version1)
                limitsAlong(*version1, group, kVersion1);
        }
    }
    return least;
}

const MemoryGauge& SystemMemory()
{
    static const SystemMemoryGauge gauge;
    return gauge;
}

}  // namespace platform
