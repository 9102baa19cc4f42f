#include "script/sandbox.h"

#include "platform/words.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <linux/landlock.h>
#include <optional>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace script {
namespace {

constexpr const char* kBubblewrap = "/usr/bin/bwrap";

// The sandbox's own arguments: no network, no other process to see, the system read-only, no
// home folder; where `strict`, no capability and no new user namespace inside either.
std::vector<std::string> SandboxArguments(bool strict)
{
    std::vector<std::string> arguments = {kBubblewrap, "--unshare-all"};
    if (strict) arguments.insert(arguments.end(), {"--unshare-user", "--disable-userns", "--cap-drop", "ALL"});
    arguments.insert(arguments.end(), {"--die-with-parent", "--new-session", "--ro-bind", "/usr", "/usr", "--symlink",
                                       "usr/lib", "/lib", "--symlink", "usr/lib64", "/lib64", "--symlink", "usr/bin",
                                       "/bin", "--proc", "/proc", "--dev", "/dev", "--tmpfs", "/tmp", "--chdir", "/tmp"});
    return arguments;
}

// Whether the sandbox starts here with these arguments: installed is not enough where the
// system allows no namespaces, and an older bubblewrap lacks the strict arguments.
bool Starts(const std::vector<std::string>& sandbox)
{
    std::string line;
    for (const std::string& argument : sandbox) line += argument + " ";
    return std::system((line + "/usr/bin/true >/dev/null 2>&1").c_str()) == 0;
}

// The sandbox as it starts here, tried once: strict where it can be; none where it cannot start.
const std::optional<std::vector<std::string>>& Sandbox()
{
    static const auto works = []() -> std::optional<std::vector<std::string>> {
        if (access(kBubblewrap, X_OK) != 0) return std::nullopt;
        for (bool strict : {true, false})
            if (auto arguments = SandboxArguments(strict); Starts(arguments)) return arguments;
        return std::nullopt;
    }();
    return works;
}

// The kernel's Landlock, as far as this program knows it: its version's rights.
struct Rules {
    std::uint64_t files = 0, network = 0, scope = 0;
};
constexpr std::uint64_t kTruncate = 1ULL << 14, kDeviceControl = 1ULL << 15;
constexpr std::uint64_t kBindTcp = 1ULL << 0, kConnectTcp = 1ULL << 1;
constexpr std::uint64_t kScopeUnixSockets = 1ULL << 0, kScopeSignals = 1ULL << 1;

int LandlockVersion()
{
    static const int version = static_cast<int>(
        syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION));
    return std::max(version, 0);
}

Rules RulesOf(int version)
{
    Rules rules;
    rules.files = (LANDLOCK_ACCESS_FS_MAKE_SYM << 1) - 1;
    if (version >= 2) rules.files |= LANDLOCK_ACCESS_FS_REFER;
    if (version >= 3) rules.files |= kTruncate;
    if (version >= 5) rules.files |= kDeviceControl;
    if (version >= 4) rules.network = kBindTcp | kConnectTcp;
    if (version >= 6) rules.scope = kScopeUnixSockets | kScopeSignals;
    return rules;
}

std::atomic<Protection> mostAllowed{Protection::Sandbox};

}  // namespace

Protection AvailableProtection()
{
    const Protection most = mostAllowed;
    if (most == Protection::Sandbox && Sandbox()) return Protection::Sandbox;
    if (most != Protection::None && LandlockVersion() > 0) return Protection::Confined;
    return Protection::None;
}

std::string WhyUnprotected()
{
    if (AvailableProtection() != Protection::None) return {};
    return platform::Words("script", "bubblewrap cannot start here, and the kernel has no Landlock");
}

void LimitProtection(Protection most) { mostAllowed = most; }

std::vector<std::string> SandboxCommand()
{
    if (AvailableProtection() != Protection::Sandbox) return {};
    return *Sandbox();
}

bool ConfineToSystem() noexcept
{
    const Rules rules = RulesOf(LandlockVersion());
    // The kernel takes the part of the rules its version knows: a longer one where it knows more.
    const std::size_t size = rules.scope ? sizeof(Rules) : rules.network ? 2 * sizeof(std::uint64_t) : sizeof(std::uint64_t);
    const int ruleset = static_cast<int>(syscall(SYS_landlock_create_ruleset, &rules, size, 0));
    if (ruleset < 0) return false;
    const int system = open("/usr", O_PATH | O_CLOEXEC);
    landlock_path_beneath_attr readable{};
    readable.allowed_access = LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
    readable.parent_fd = system;
    const bool confined = system >= 0 &&
                          syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &readable, 0) == 0 &&
                          prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
                          syscall(SYS_landlock_restrict_self, ruleset, 0) == 0;
    close(system);
    close(ruleset);
    return confined;
}

}  // namespace script
