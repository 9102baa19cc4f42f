#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/pass_variables.h"
#include "sorting/sort_observer.h"

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <utility>

namespace sorting {

namespace radix {

enum class Line { Pass, Count, Move, Back, End };
inline constexpr CodeLine kCode[] = {
    {Line::Pass, "pass",
     SORTING_WORDS("Code", "for pass = 1 to 4, a byte of each item's pattern, the least significant first")},
    {Line::Count, "count", SORTING_WORDS("Code", "  for i = 1 to n: read the byte of item i, and count it")},
    {Line::Move, "move",
     SORTING_WORDS("Code", "  for i = 1 to n: move item i to the next place for its byte in the scratch area")},
    {Line::Back, "back", SORTING_WORDS("Code", "  for i = 1 to n: copy place i of the scratch area back to item i")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

using passes::kVariables;
using passes::Variables;

// Non-negative single-precision numbers stand in the order of their 32-bit patterns; -0 is
// taken as 0.
inline std::uint32_t Key(float item)
{
    const auto bits = std::bit_cast<std::uint32_t>(item);
    return bits == 0x80000000u ? 0 : bits;
}

inline std::uint32_t Digit(float item, int shift) { return (Key(item) >> shift) & 0xFFu; }

}  // namespace radix

constexpr std::uint64_t RadixBytes(Index numItems)
{
    return numItems < 1 ? 0 : (static_cast<std::uint64_t>(numItems) + 1) * sizeof(float);
}

// Four passes, one byte of the pattern each, the least significant first: a pass reads every
// item's byte to count how many items have each, then moves every item, in the array's order,
// to its place in a scratch area, then copies the scratch area back. No comparison at all.
template <SortObserver Observer>
SORTING_HOT_LOOP void RadixSort(Items theArray, Observer& observer)
{
    const Index numItems = NumItems(theArray);
    if (numItems < 1) return;
    const auto scratch = std::make_unique_for_overwrite<float[]>(ScratchEntries(numItems));
    for (int shift = 0; shift < 32; shift += 8) {
        std::array<Index, 256> next{};  // where the next item of each byte goes
        const int pass = shift / 8 + 1;
        for (Index i = 1; i <= numItems; ++i) {
            NoteLine(observer, radix::Line::Count, radix::Variables{.pass = pass, .i = i});
            observer.Read(i);
            ++next[radix::Digit(theArray[i], shift)];
        }
        for (Index digit = 0, place = 1; digit < 256; ++digit) place += std::exchange(next[digit], place);
        for (Index i = 1; i <= numItems; ++i) {
            const Index to = next[radix::Digit(theArray[i], shift)]++;
            NoteLine(observer, radix::Line::Move, radix::Variables{.pass = pass, .i = i});
            scratch[to] = theArray[i];
            observer.Moved(i, ScratchPlace(to));
        }
        for (Index k = 1; k <= numItems; ++k) {
            NoteLine(observer, radix::Line::Back, radix::Variables{.pass = pass, .i = k});
            theArray[k] = scratch[k];
            observer.Moved(ScratchPlace(k), k);
        }
    }
}

}  // namespace sorting
