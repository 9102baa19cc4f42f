#include "platform/monotonic_clock.h"

#include <chrono>

namespace platform {

double Timer()
{
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace platform
