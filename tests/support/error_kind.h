#pragma once

#include "platform/run_time_error.h"

#include <gtest/gtest.h>

#include <optional>

namespace testing_support {

// The kind of run-time error that `action` raises, or nothing (and a test failure) if none.
template <typename Action>
std::optional<platform::ErrorKind> ErrorKindOf(Action&& action)
{
    try {
        action();
    } catch (const platform::RunTimeError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no run-time error raised";
    return std::nullopt;
}

}  // namespace testing_support
