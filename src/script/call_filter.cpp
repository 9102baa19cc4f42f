#include "script/call_filter.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sched.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <unistd.h>

namespace script {
namespace {

// Refused outright, by name: a name this machine's kernel lacks is passed over.
constexpr const char* kRefused[] = {
    // another process or program
    "fork", "vfork", "execve", "execveat", "ptrace", "process_vm_readv", "process_vm_writev", "kill", "tkill",
    "tgkill", "rt_sigqueueinfo", "rt_tgsigqueueinfo", "pidfd_open", "pidfd_send_signal", "pidfd_getfd",
    // the network
    "socket", "socketpair", "connect", "bind", "listen", "accept", "accept4",
    // namespaces and mounts
    "unshare", "setns", "mount", "umount2", "pivot_root", "chroot", "open_tree", "move_mount", "fsopen", "fsconfig",
    "fsmount", "fspick", "mount_setattr",
    // files changed
    "creat", "unlink", "unlinkat", "rename", "renameat", "renameat2", "rmdir", "mkdir", "mkdirat", "link", "linkat",
    "symlink", "symlinkat", "chmod", "fchmod", "fchmodat", "chown", "fchown", "lchown", "fchownat", "truncate",
    "ftruncate", "utime", "utimes", "utimensat", "futimesat", "mknod", "mknodat", "setxattr", "lsetxattr",
    "fsetxattr", "removexattr", "lremovexattr", "fremovexattr", "open_by_handle_at", "name_to_handle_at",
    // the kernel's own
    "bpf", "perf_event_open", "userfaultfd", "keyctl", "add_key", "request_key", "io_uring_setup", "io_uring_enter",
    "io_uring_register", "kexec_load", "kexec_file_load", "init_module", "finit_module", "delete_module", "reboot",
    "swapon", "swapoff", "sethostname", "setdomainname", "iopl", "ioperm", "acct", "settimeofday", "clock_settime",
    "clock_adjtime", "adjtimex", "quotactl"};

using Context = std::unique_ptr<void, decltype(&seccomp_release)>;

bool Refuse(const Context& filter, const char* name)
{
    const int call = seccomp_syscall_resolve_name(name);
    return call == __NR_SCMP_ERROR || seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(EPERM), call, 0) == 0;
}

// A file opened to be written, made or emptied: each flag a rule of its own, as the filter
// compares one masked argument a rule.
bool RefuseWritingOpens(const Context& filter)
{
    bool made = true;
    for (const auto flag : {O_WRONLY, O_RDWR, O_CREAT, O_TRUNC}) {
        const auto set = static_cast<scmp_datum_t>(flag);
        for (const auto& [name, argument] : {std::pair{"open", 1u}, std::pair{"openat", 2u}}) {
            const int call = seccomp_syscall_resolve_name(name);
            if (call != __NR_SCMP_ERROR)
                made &= seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(EPERM), call, 1,
                                         scmp_arg_cmp{argument, SCMP_CMP_MASKED_EQ, set, set}) == 0;
        }
    }
    // openat2 passes its flags in memory the filter cannot read: C libraries fall back to openat.
    return made && seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(openat2), 0) == 0;
}

// A thread of its own process, but no other process: clone3 passes its flags in memory, and
// the C library falls back to clone, whose flags the filter reads.
bool RefuseNewProcesses(const Context& filter)
{
    const auto thread = static_cast<scmp_datum_t>(CLONE_THREAD);
    return seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0 &&
           seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(EPERM), SCMP_SYS(clone), 1,
                            scmp_arg_cmp{0, SCMP_CMP_MASKED_EQ, thread, 0}) == 0;
}

std::string Exported(const Context& filter)
{
    const int memory = memfd_create("sorting-call-filter", MFD_CLOEXEC);
    if (memory < 0) return {};
    std::string program;
    if (seccomp_export_bpf(filter.get(), memory) == 0) {
        program.resize(static_cast<std::size_t>(lseek(memory, 0, SEEK_END)));
        if (pread(memory, program.data(), program.size(), 0) != static_cast<ssize_t>(program.size())) program.clear();
    }
    close(memory);
    return program;
}

std::string Made()
{
    const Context filter(seccomp_init(SCMP_ACT_ALLOW), seccomp_release);
    if (!filter) return {};
    bool made = RefuseWritingOpens(filter) && RefuseNewProcesses(filter);
    for (const char* name : kRefused) made = made && Refuse(filter, name);
    return made ? Exported(filter) : std::string();
}

}  // namespace

const std::string& CallFilter()
{
    static const std::string program = Made();
    return program;
}

}  // namespace script
