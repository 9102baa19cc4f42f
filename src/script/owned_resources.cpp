#include "script/owned_resources.h"

#include <chrono>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace script {

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept
{
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

void Descriptor::Close()
{
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

std::optional<Pipe> Pipe::Make()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return std::nullopt;
    return Pipe{Descriptor(ends[0]), Descriptor(ends[1])};
}

std::optional<ScratchFolder> ScratchFolder::Make(const std::string& prefix)
{
    std::error_code error;
    const auto temporary = std::filesystem::temp_directory_path(error);
    if (error) return std::nullopt;
    std::string path = (temporary / (prefix + "XXXXXX")).string();
    if (!mkdtemp(path.data())) return std::nullopt;
    return ScratchFolder(std::move(path));
}

ScratchFolder::~ScratchFolder()
{
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

int ChildGroup::End(std::chrono::milliseconds grace)
{
    if (pid_ <= 0) return status_;
    const auto until = std::chrono::steady_clock::now() + grace;
    do {
        if (waitpid(pid_, &status_, WNOHANG) == pid_) {
            kill(-pid_, SIGKILL);  // what it left behind in its group
            pid_ = -1;
            return status_;
        }
        if (grace.count() > 0) usleep(2000);
    } while (std::chrono::steady_clock::now() < until);
    killed_ = true;
    kill(-pid_, SIGKILL);  // the group, and the child itself where it has not made one yet
    kill(pid_, SIGKILL);
    while (waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return status_;
}

}  // namespace script
