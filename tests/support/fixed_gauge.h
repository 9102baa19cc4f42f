#pragma once

#include "platform/available_memory.h"

namespace testing_support {

// A memory gauge that reports what the test sets; nothing when it cannot tell.
struct FixedGauge : platform::MemoryGauge {
    std::optional<std::uint64_t> bytes;
    std::optional<std::uint64_t> AvailableBytes() const override { return bytes; }
};

}  // namespace testing_support
