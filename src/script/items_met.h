#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace script {

// Which two items a sort ever compared, and which items it read as numbers, each item named
// by where it stood before the sort. Exact for up to kExactItems items; beyond, pairs share
// the bits of a fixed table, so that a pair never compared may pass as compared, never the
// other way round.
class ItemsMet {
public:
    static constexpr std::size_t kExactItems = 4096;

    explicit ItemsMet(std::size_t items);
    void Compared(std::int32_t a, std::int32_t b);
    void Read(std::int32_t a);
    // Whether the sort can know the order of the two: it compared them, or read both.
    bool Known(std::int32_t a, std::int32_t b) const;

private:
    std::size_t Bit(std::int32_t a, std::int32_t b) const;

    std::size_t items_;
    std::vector<bool> compared_;
    std::vector<bool> read_;
};

}  // namespace script
