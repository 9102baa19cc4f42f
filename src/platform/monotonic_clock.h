#pragma once

namespace platform {

// Seconds on a monotonic, high-resolution clock. Only differences of two readings mean
// anything; they never go negative and do not jump with the wall clock.
double Timer();

}  // namespace platform
