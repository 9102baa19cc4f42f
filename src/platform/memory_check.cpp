#include "platform/memory_check.h"

#include "platform/run_time_error.h"
#include "platform/words.h"

#include <algorithm>
#include <cmath>

namespace platform {

std::uint64_t WithMargin(std::uint64_t bytes) { return bytes + std::max<std::uint64_t>(64ULL << 20, bytes / 20); }

std::string MemoryText(std::uint64_t bytes, bool roundUp, const NumberFormat& format)
{
    const auto rounded = [roundUp](double value) { return roundUp ? std::ceil(value) : std::floor(value); };
    const double megabytes = static_cast<double>(bytes) / 1e6;
    if (rounded(megabytes) < 1000) return FormatNumber(rounded(megabytes), 0, format) + " MB";
    return FormatNumber(rounded(static_cast<double>(bytes) / 1e8) / 10, 1, format) + " GB";
}

void RequireMemory(std::uint64_t bytes, std::int64_t numItems, const MemoryGauge& gauge, const NumberFormat& format)
{
    const std::optional<std::uint64_t> available = gauge.AvailableBytes();
    const std::uint64_t need = WithMargin(bytes);
    if (!available || need <= *available) return;
    throw RunTimeError(ErrorKind::OutOfMemory,
                       Fill(Words("platform", "%1 items need %2; %3 is available."),
                            {FormatNumber(static_cast<double>(numItems), 0, format), MemoryText(need, true, format),
                             MemoryText(*available, false, format)}));
}

}  // namespace platform
