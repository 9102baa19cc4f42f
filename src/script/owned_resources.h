#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>

namespace script {

// A descriptor this process owns: closed when it goes, or earlier by Close.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }

    int Get() const { return fd_; }
    bool Open() const { return fd_ >= 0; }
    void Close();

private:
    int fd_ = -1;
};

// A pipe's two ends, closed on exec.
struct Pipe {
    Descriptor read, write;
    // None where the system has no descriptor left.
    static std::optional<Pipe> Make();
};

// A new empty folder of this process's own under the temporary folder, removed with all it
// holds when it goes.
class ScratchFolder {
public:
    // None where it cannot be made.
    static std::optional<ScratchFolder> Make(const std::string& prefix);
    ScratchFolder(ScratchFolder&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
    ScratchFolder& operator=(ScratchFolder&&) = delete;
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::string& Path() const { return path_; }

private:
    explicit ScratchFolder(std::string path) : path_(std::move(path)) {}
    std::string path_;
};

// A child process that leads its own process group: the group killed and the child reaped when
// it goes, or earlier by End, which gives the child's status: after `grace` for the child to
// end by itself, it is killed.
class ChildGroup {
public:
    explicit ChildGroup(pid_t pid) : pid_(pid) {}
    ChildGroup(const ChildGroup&) = delete;
    ChildGroup& operator=(const ChildGroup&) = delete;
    ~ChildGroup() { End(); }

    bool Started() const { return pid_ > 0; }
    int End(std::chrono::milliseconds grace = {});
    // Whether End had to kill the child.
    bool Killed() const { return killed_; }

private:
    pid_t pid_;
    int status_ = 0;
    bool killed_ = false;
};

}  // namespace script
