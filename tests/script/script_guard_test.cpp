// What a student's script can reach under each protection this system gives, tried for real:
// each attack made in Python is said in words, made straight to the kernel it is refused
// there, and a file of the user's own is neither read nor changed but where the user allowed
// the script to run unprotected.

#include "script/owned_resources.h"
#include "script/sandbox.h"
#include "script/script_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sys/stat.h>

using script::Protection;

namespace {

struct Attack {
    const char* what;
    std::string python;  // sort(a)'s body as Python has it; {secret} is the user's file
    const char* words;   // what the race then says, under every protection
    std::string kernel;  // the same straight to the kernel, raising what it gave back
    // How its message begins under the sandbox, Landlock, and no protection.
    std::array<const char*, 3> gave;
};

std::string Script(std::string body, const std::string& secret)
{
    for (auto at = body.find("{secret}"); at != std::string::npos; at = body.find("{secret}"))
        body.replace(at, 8, secret);
    return "import os, socket, ctypes\nlibc = ctypes.CDLL(None)\ndef sort(a):\n    " + body + "\n";
}

}  // namespace

TEST(ScriptGuard, EachAttackIsRefusedUnderEveryProtectionAndTheUnprotectedRunOnlyWhenAllowed)
{
    if (!script::PythonAvailable()) GTEST_SKIP() << "no /usr/bin/python3 here: scripts/setup installs it";
    const auto home = script::ScratchFolder::Make("sorting-home-");
    ASSERT_TRUE(home);
    const std::string secret = home->Path() + "/secret";
    std::ofstream(secret) << "a file of the user's own\n";
    chmod(secret.c_str(), 0600);
    const std::array<const char*, 3> never{"RuntimeError: -1", "RuntimeError: -1", "RuntimeError: -1"};
    const std::vector<Attack> attacks{
        {"reads a secret", "open('{secret}').read()", "tried to open a file",
         "raise RuntimeError(libc.open(b'{secret}', 0) >= 0)",
         {"RuntimeError: False", "RuntimeError: False", "RuntimeError: True"}},
        {"connects", "socket.create_connection(('127.0.0.1', 9))", "tried to connect to the network",
         "raise RuntimeError(libc.socket(2, 1, 0))", never},
        {"forks", "os.fork()", "tried to start another program", "raise RuntimeError(libc.fork())", never},
        {"starts a daemon", "os.system('sleep 100 &')", "tried to start another program",
         "raise RuntimeError(libc.execv(b'/usr/bin/sleep', None))", never},
        {"kills its parent", "os.kill(os.getppid(), 9)", "tried to signal another program",
         "raise RuntimeError(libc.kill(os.getppid(), 9))", never},
        {"removes a file", "os.remove('{secret}')", "tried to change a file",
         "raise RuntimeError(libc.unlink(b'{secret}'))", never},
        {"writes a file", "open('{secret}', 'w')", "tried to open a file",
         "raise RuntimeError(libc.open(b'{secret}', 1))", never},
        // Python's own unshare comes later than Debian's Python.
        {"makes a namespace", "raise RuntimeError(libc.unshare(0x10000000))", "RuntimeError: -1",
         "raise RuntimeError(libc.unshare(0x10000000))", never},
    };
    for (const Protection protection : {Protection::Sandbox, Protection::Confined, Protection::None}) {
        script::LimitProtection(protection);
        if (script::AvailableProtection() != protection) {
            std::cout << "protection " << static_cast<int>(protection) << " cannot be had here: not tried\n";
            continue;
        }
        const auto run = [&](const std::string& body) {
            script::ScriptFile file{"attack.py", Script(body, secret)};
            file.unprotectedAllowed = true;
            return script::RunScript(file, {0, 2, 1}, {.steps = 1000, .seconds = 5}, false);
        };
        for (const Attack& attack : attacks) {
            const auto python = run(attack.python), kernel = run(attack.kernel);
            EXPECT_TRUE(python.End().message.starts_with(attack.words) && python.Failed())
                << attack.what << " in Python: " << python.End().message;
            const std::string gave = attack.gave[static_cast<std::size_t>(protection)];
            EXPECT_EQ(kernel.End().message.substr(0, gave.size()), gave)
                << attack.what << " under protection " << static_cast<int>(protection) << ": " << kernel.End().message;
            EXPECT_EQ(kernel.End().unprotected, protection == Protection::None);
        }
        const auto notAllowed = script::RunScript({"attack.py", Script("pass", secret)}, {0, 2, 1}, {}, false);
        EXPECT_EQ(notAllowed.End().message.starts_with("was not run: it cannot be protected here"),
                  protection == Protection::None)
            << notAllowed.End().message;
    }
    script::LimitProtection(Protection::Sandbox);
    EXPECT_TRUE(std::filesystem::exists(secret));
}
