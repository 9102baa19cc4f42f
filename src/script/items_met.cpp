#include "script/items_met.h"

#include <algorithm>

namespace script {
namespace {

constexpr std::size_t kSharedBits = std::size_t{1} << 25;  // 4 MB

}  // namespace

ItemsMet::ItemsMet(std::size_t items)
    : items_(items),
      compared_(items <= kExactItems ? items * items : kSharedBits),
      read_(items)
{
}

std::size_t ItemsMet::Bit(std::int32_t a, std::int32_t b) const
{
    const auto low = static_cast<std::size_t>(std::min(a, b)), high = static_cast<std::size_t>(std::max(a, b));
    if (items_ <= kExactItems) return low * items_ + high;
    return (low * 0x9E3779B97F4A7C15ULL ^ high * 0xC2B2AE3D27D4EB4FULL) % kSharedBits;
}

void ItemsMet::Compared(std::int32_t a, std::int32_t b) { compared_[Bit(a, b)] = true; }

void ItemsMet::Read(std::int32_t a) { read_[static_cast<std::size_t>(a)] = true; }

bool ItemsMet::Known(std::int32_t a, std::int32_t b) const
{
    return compared_[Bit(a, b)] || (read_[static_cast<std::size_t>(a)] && read_[static_cast<std::size_t>(b)]);
}

}  // namespace script
