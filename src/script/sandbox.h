#pragma once

#include <string>
#include <vector>

namespace script {

// What keeps a student's script from the rest of the computer, strongest first. Under each,
// the call filter too.
enum class Protection {
    Sandbox,   // bubblewrap: no network, no other process, the system read-only, no home
    Confined,  // Landlock: only the system's programs and libraries can be read, no network
    None,      // the script can read whatever the user can
};

// The strongest protection this system gives, found out once.
Protection AvailableProtection();
// Why a script cannot be protected here, in a sentence's end; empty where it can.
std::string WhyUnprotected();
// At most this protection from now on, as where bubblewrap or Landlock fail: for tests.
void LimitProtection(Protection most);

// The arguments that start the sandbox, before the program it runs; none where it does not
// start here.
std::vector<std::string> SandboxCommand();

// Between fork and exec, where Landlock is the protection: from now on, files are only read
// and run under /usr, no TCP connection is made, no signal is sent out. False where the kernel
// refuses it.
bool ConfineToSystem() noexcept;

}  // namespace script
