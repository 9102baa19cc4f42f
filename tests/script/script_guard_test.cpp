// What a student's script can reach under each protection this system gives, tried for real:
// each attack ends in its message, and a file of the user's own is neither read nor changed
// but where the user allowed the script to run unprotected.

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
    std::string body;  // sort(a)'s body, raising what it found; {secret} is the user's file
    // How its message begins under the sandbox, Landlock, and no protection.
    std::array<const char*, 3> message;
};

std::string Script(std::string body, const std::string& secret)
{
    for (auto at = body.find("{secret}"); at != std::string::npos; at = body.find("{secret}"))
        body.replace(at, 8, secret);
    return "import os, socket, ctypes\ndef sort(a):\n    " + body + "\n";
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
    const std::string refused = "PermissionError: [Errno 1]";
    const std::vector<Attack> attacks{
        {"reads a secret", "raise RuntimeError(open('{secret}').read())",
         {"FileNotFoundError", "PermissionError: [Errno 13]", "RuntimeError: a file of the user's own"}},
        {"connects", "socket.create_connection(('127.0.0.1', 9))", {refused.c_str(), refused.c_str(), refused.c_str()}},
        {"forks", "os.fork()", {refused.c_str(), refused.c_str(), refused.c_str()}},
        {"starts a daemon", "os.system('sleep 100 &')\n    raise RuntimeError('started')",
         {"RuntimeError: started", "RuntimeError: started", "RuntimeError: started"}},
        {"kills its parent", "os.kill(os.getppid(), 9)", {refused.c_str(), refused.c_str(), refused.c_str()}},
        {"removes a file", "os.remove('{secret}')", {refused.c_str(), refused.c_str(), refused.c_str()}},
        {"writes a file", "open('{secret}', 'w')", {refused.c_str(), refused.c_str(), refused.c_str()}},
        {"makes a namespace", "raise RuntimeError(ctypes.CDLL(None).unshare(0x10000000))",
         {"RuntimeError: -1", "RuntimeError: -1", "RuntimeError: -1"}},
    };
    for (const Protection protection : {Protection::Sandbox, Protection::Confined, Protection::None}) {
        script::LimitProtection(protection);
        if (script::AvailableProtection() != protection) {
            std::cout << "protection " << static_cast<int>(protection) << " cannot be had here: not tried\n";
            continue;
        }
        for (const Attack& attack : attacks) {
            script::ScriptFile file{"attack.py", Script(attack.body, secret)};
            file.unprotectedAllowed = true;
            const auto run = script::RunScript(file, {0, 2, 1}, {.steps = 1000, .seconds = 5}, false);
            const std::string expected = attack.message[static_cast<std::size_t>(protection)];
            EXPECT_EQ(run.End().message.substr(0, expected.size()), expected)
                << attack.what << " under protection " << static_cast<int>(protection) << ": " << run.End().message;
            EXPECT_EQ(run.End().unprotected, protection == Protection::None);
        }
        const auto notAllowed = script::RunScript({"attack.py", Script("pass", secret)}, {0, 2, 1}, {}, false);
        EXPECT_EQ(notAllowed.End().message.starts_with("was not run: it cannot be protected here"),
                  protection == Protection::None)
            << notAllowed.End().message;
    }
    script::LimitProtection(Protection::Sandbox);
    EXPECT_TRUE(std::filesystem::exists(secret));
}
