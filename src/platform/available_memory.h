#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// How much memory the program can still get, as far as the system tells.
class MemoryGauge {
public:
    virtual ~MemoryGauge() = default;
    // In bytes; nothing when the figures cannot be read.
    virtual std::optional<std::uint64_t> AvailableBytes() const = 0;
};

// A file's whole text; nothing when it cannot be read.
using FileReader = std::function<std::optional<std::string>(const std::string& path)>;
std::optional<std::string> ReadWholeFile(const std::string& path);

// Linux's figures: the kernel's available memory (MemAvailable, which counts swap only as far
// as the kernel does), and the room left under every memory limit of the control groups the
// program runs in, from its own group up to the root of each hierarchy (v2: memory.max minus
// memory.current; v1: memory.limit_in_bytes minus memory.usage_in_bytes). The least of them.
class SystemMemoryGauge final : public MemoryGauge {
public:
    explicit SystemMemoryGauge(FileReader read = ReadWholeFile);
    std::optional<std::uint64_t> AvailableBytes() const override;

private:
    FileReader read_;
};

// The gauge of the machine the program runs on.
const MemoryGauge& SystemMemory();

}  // namespace platform
