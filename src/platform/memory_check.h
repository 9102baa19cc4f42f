#pragma once

#include "platform/available_memory.h"
#include "platform/format_number.h"

#include <cstdint>
#include <string>

namespace platform {

// What a run may ask for beyond its arrays: the rest of the program, its pictures and its
// libraries. The larger of 64 MiB and a twentieth of the arrays.
std::uint64_t WithMargin(std::uint64_t bytes);

// A size in plain words: whole megabytes below a gigabyte, else gigabytes with one decimal
// (decimal units, as a computer's shop states them). `roundUp` rounds a need up, so that a
// need is never shown below what it is; an amount available is rounded down.
std::string MemoryText(std::uint64_t bytes, bool roundUp, const NumberFormat& format);

// Raises the out-of-memory error, saying what the items need and what is available, when
// `bytes` with the margin exceed what the gauge reports. Goes ahead when the gauge cannot
// tell.
void RequireMemory(std::uint64_t bytes, std::int64_t numItems, const MemoryGauge& gauge,
                   const NumberFormat& format);

}  // namespace platform
