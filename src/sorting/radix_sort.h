#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/pass_variables.h"
#include "sorting/simd.h"
#include "sorting/sort_observer.h"

#include <array>
#include <bit>
#include <cstring>
#include <cstdint>
#include <memory>
#include <utility>

namespace sorting {

template <typename Watcher>
SORTING_HOT_LOOP void RadixSortFast(Items theArray, Watcher& watcher, Kernel kernel = BestKernel());

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
    if constexpr (!kListens<Observer>) return RadixSortFast(theArray, observer);
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
        NotePassEnded(observer, theArray);
    }
}

// The fast form makes the same passes and moves: the count of each byte, then every item to
// its byte's next place in the scratch area, which is copied back whole.
namespace radix {

using Counts = std::array<Index, 256>;

using Tables = std::array<std::array<std::uint32_t, 256>, 4>;

inline Counts Total(const Tables& counts)
{
    Counts total{};
    for (std::size_t d = 0; d < 256; ++d) total[d] = Index(counts[0][d]) + counts[1][d] + counts[2][d] + counts[3][d];
    return total;
}

// Four tables, counted in turn and added at the end, so that items of the same byte one
// after the other do not each wait for the last one's count to be written.
inline Counts CountPortable(const float* a, Index numItems, int shift)
{
    Tables counts{};
    Index i = 1;
    for (; i + 3 <= numItems; i += 4)
        for (int t = 0; t < 4; ++t) ++counts[t][Digit(a[i + t], shift)];
    for (; i <= numItems; ++i) ++counts[0][Digit(a[i], shift)];
    return Total(counts);
}

#if SORTING_X86
// Eight bytes at a time taken out of the patterns (-0 as 0), then counted as above.
SORTING_AVX2 inline Counts CountAvx2(const float* a, Index numItems, int shift)
{
    Tables counts{};
    alignas(32) std::uint32_t digits[8];
    const __m256i negativeZero = _mm256_set1_epi32(static_cast<int>(0x80000000u));
    const __m256i byte = _mm256_set1_epi32(0xFF);
    const __m128i by = _mm_cvtsi32_si128(shift);
    Index i = 1;
    for (; i + 7 <= numItems; i += 8) {
        const __m256i bits = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
        const __m256i key = _mm256_andnot_si256(_mm256_cmpeq_epi32(bits, negativeZero), bits);
        _mm256_store_si256(reinterpret_cast<__m256i*>(digits), _mm256_and_si256(_mm256_srl_epi32(key, by), byte));
        for (int t = 0; t < 8; ++t) ++counts[t & 3][digits[t]];
    }
    for (; i <= numItems; ++i) ++counts[0][Digit(a[i], shift)];
    return Total(counts);
}

SORTING_AVX512_CODE_BEGIN

// Sixteen bytes at a time taken out of the patterns (-0 as 0), then counted as above.
SORTING_AVX512 inline Counts CountAvx512(const float* a, Index numItems, int shift)
{
    Tables counts{};
    alignas(64) std::uint32_t digits[16];
    const __m512i negativeZero = _mm512_set1_epi32(static_cast<int>(0x80000000u));
    const __m512i byte = _mm512_set1_epi32(0xFF);
    const __m128i by = _mm_cvtsi32_si128(shift);
    Index i = 1;
    for (; i + 15 <= numItems; i += 16) {
        const __m512i bits = _mm512_loadu_si512(a + i);
        const __m512i key = _mm512_maskz_mov_epi32(_mm512_cmpneq_epi32_mask(bits, negativeZero), bits);
        _mm512_store_si512(digits, _mm512_and_si512(_mm512_srl_epi32(key, by), byte));
        for (int t = 0; t < 16; ++t) ++counts[t & 3][digits[t]];
    }
    for (; i <= numItems; ++i) ++counts[0][Digit(a[i], shift)];
    return Total(counts);
}

SORTING_AVX512_CODE_END
#endif

template <Counts (*count)(const float*, Index, int), typename Watcher>
SORTING_HOT_LOOP void Passes(Items theArray, Watcher& watcher)
{
    const Index numItems = NumItems(theArray);
    if (numItems < 1) return;
    float* a = theArray.data();
    const auto scratch = std::make_unique_for_overwrite<float[]>(ScratchEntries(numItems));
    for (int shift = 0; shift < 32; shift += 8) {
        Counts next = count(a, numItems, shift);
        for (Index digit = 0, place = 1; digit < 256; ++digit) place += std::exchange(next[digit], place);
        for (Index i = 1; i <= numItems; ++i) scratch[next[Digit(a[i], shift)]++] = a[i];
        std::memcpy(a + 1, scratch.get() + 1, static_cast<std::size_t>(numItems) * sizeof(float));
        NotePassEnded(watcher, theArray);
    }
}

template <typename Watcher>
struct Kernels {
    static void Portable(Items theArray, Watcher& watcher) { Passes<CountPortable>(theArray, watcher); }
#if SORTING_X86
    static void Avx2(Items theArray, Watcher& watcher) { Passes<CountAvx2>(theArray, watcher); }
    static void Avx512(Items theArray, Watcher& watcher) { Passes<CountAvx512>(theArray, watcher); }
#endif
};

}  // namespace radix

template <typename Watcher>
void RadixSortFast(Items theArray, Watcher& watcher, Kernel kernel)
{
    InKernel<radix::Kernels<Watcher>>(kernel, theArray, watcher);
}

}  // namespace sorting
