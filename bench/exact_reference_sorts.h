#pragma once

// The fastest loops we can write of Shell, heap, three-way quick, natural merge, radix and
// bucket sort, each making its algorithm's passes, moves and exchanges and leaving the same
// array after each of them: no branch to guess where the choice is the items', wider
// instructions where the loop allows them. Written apart from the program's fast forms.

#include "sorting/hot_loop.h"

#include <immintrin.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <vector>

#define EXACT_AVX2 [[gnu::target("avx2")]]
#define EXACT_AVX512 [[gnu::target("avx512f,avx512vl,avx512bw,avx512dq")]]

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace exact {

using Index = std::ptrdiff_t;

inline Index FirstGap(Index n)
{
    Index h = 1;
    while (h < n / 3) h = 3 * h + 1;
    return h;
}

// --- Shell sort: each pass an insertion over items h apart, the item held, the greater
// items of its chain moved up. ---

inline void ShiftingPass(float* a, Index n, Index h)
{
    for (Index i = h + 1; i <= n; ++i) {
        const float x = a[i];
        Index j = i;
        while (j > h && x < a[j - h]) {
            a[j] = a[j - h];
            j -= h;
        }
        a[j] = x;
    }
}

SORTING_HOT_LOOP inline void ShiftingShell(float* a, Index n)
{
    for (Index h = FirstGap(n); h >= 1; h /= 3) ShiftingPass(a, n, h);
}

// Eight chains at a time where the gap is eight or more: a lane shifts the greater item below
// it up while it goes on, and writes its item where it stops.
EXACT_AVX2 inline void ShiftingPassAvx2(float* a, Index n, Index h)
{
    if (h < 8) return ShiftingPass(a, n, h);
    const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    for (Index i = h + 1; i <= n; i += 8) {
        __m256i on = _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int>(std::min<Index>(8, n - i + 1))), lanes);
        const __m256 x = _mm256_maskload_ps(a + i, on);
        for (float* at = a + i; !_mm256_testz_si256(on, on); at -= h) {
            const __m256i above = _mm256_cmpgt_epi32(lanes, _mm256_set1_epi32(static_cast<int>(h - (at - a))));
            const __m256i reach = _mm256_and_si256(on, above);
            const __m256 y = _mm256_maskload_ps(at - h, reach);
            const __m256i shift = _mm256_and_si256(reach, _mm256_castps_si256(_mm256_cmp_ps(x, y, _CMP_LT_OQ)));
            _mm256_maskstore_ps(at, shift, y);
            _mm256_maskstore_ps(at, _mm256_andnot_si256(shift, on), x);
            on = shift;
        }
    }
}

SORTING_HOT_LOOP EXACT_AVX2 inline void Avx2Shell(float* a, Index n)
{
    for (Index h = FirstGap(n); h >= 1; h /= 3) ShiftingPassAvx2(a, n, h);
}

// Sixteen chains at a time where the gap is sixteen or more.
EXACT_AVX512 inline void ShiftingPassAvx512(float* a, Index n, Index h)
{
    if (h < 16) return ShiftingPassAvx2(a, n, h);
    const __m512i lanes = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    for (Index i = h + 1; i <= n; i += 16) {
        __mmask16 on = static_cast<__mmask16>((1u << std::min<Index>(16, n - i + 1)) - 1);
        const __m512 x = _mm512_maskz_loadu_ps(on, a + i);
        for (float* at = a + i; on; at -= h) {
            const __mmask16 reach =
                _mm512_mask_cmpgt_epi32_mask(on, lanes, _mm512_set1_epi32(static_cast<int>(h - (at - a))));
            const __m512 y = _mm512_maskz_loadu_ps(reach, at - h);
            const __mmask16 shift = _mm512_mask_cmp_ps_mask(reach, x, y, _CMP_LT_OQ);
            _mm512_mask_storeu_ps(at, shift, y);
            _mm512_mask_storeu_ps(at, on & ~shift, x);
            on = shift;
        }
    }
}

SORTING_HOT_LOOP EXACT_AVX512 inline void Avx512Shell(float* a, Index n)
{
    for (Index h = FirstGap(n); h >= 1; h /= 3) ShiftingPassAvx512(a, n, h);
}

// --- Heap sort: the greater child taken by the comparison's outcome, the item held, the
// next level's line fetched while this one is compared. ---

inline void SinkHeld(float* a, Index k, Index n)
{
    const float x = a[k];
    for (;;) {
        Index c = 2 * k;
        if (c > n) break;
        __builtin_prefetch(a + 4 * k);
        if (c < n) c += a[c] < a[c + 1];
        if (!(x < a[c])) break;
        a[k] = a[c];
        k = c;
    }
    a[k] = x;
}

SORTING_HOT_LOOP inline void BranchFreeHeap(float* a, Index n)
{
    for (Index k = n / 2; k >= 1; --k) SinkHeld(a, k, n);
    for (Index m = n; m > 1; --m) {
        std::swap(a[1], a[m]);
        SinkHeld(a, 1, m - 1);
    }
}

// --- Three-way quick sort: Dijkstra's partition around the first item with each step's
// exchange chosen by masks; the next item taken from the front or the back by the outcome. ---

inline std::pair<Index, Index> ThreeWayMasked(float* a, Index lo, Index hi)
{
    const float p = a[lo];
    Index lt = lo, gt = hi;
    float x = a[lo + 1];
    for (Index i = lo + 1; i <= gt;) {
        const float front = a[i + (i < gt)], back = a[gt], left = a[lt];
        const Index less = x < p, greater = p < x;
        const Index slot = i + (-less & (lt - i)) + (-greater & (gt - i));
        a[i] = less ? left : x;
        a[slot] = x;
        x = greater ? back : front;
        lt += less;
        gt -= greater;
        i += 1 - greater;
    }
    return {lt, gt};
}

SORTING_HOT_LOOP inline void BranchFreeThreeWayQuick(float* a, Index n)
{
    std::vector<std::pair<Index, Index>> waiting;
    for (Index lo = 1, hi = n;;) {
        while (lo < hi) {
            const auto [lt, gt] = ThreeWayMasked(a, lo, hi);
            if (gt + 1 < hi) waiting.emplace_back(gt + 1, hi);
            hi = lt - 1;
        }
        if (waiting.empty()) return;
        std::tie(lo, hi) = waiting.back();
        waiting.pop_back();
    }
}

// --- Natural merge sort: the runs found and merged pair by pair with every choice made by
// the comparison's outcome. ---

SORTING_HOT_LOOP inline void BranchFreeNaturalMerge(float* a, Index n)
{
    std::vector<Index> starts(static_cast<std::size_t>(n) + 1);
    std::size_t runs = 1;
    starts[0] = 1;
    for (Index i = 1; i < n; ++i) {
        starts[runs] = i + 1;
        runs += a[i + 1] < a[i];
    }
    starts.resize(runs);
    std::vector<float> copy(static_cast<std::size_t>(n) + 1);
    while (starts.size() > 1) {
        starts.push_back(n + 1);
        std::size_t kept = 0, r = 0;
        for (; r + 2 < starts.size(); r += 2) {
            const Index lo = starts[r], mid = starts[r + 1] - 1, hi = starts[r + 2] - 1;
            std::memcpy(copy.data() + lo, a + lo, static_cast<std::size_t>(mid - lo + 1) * sizeof(float));
            const float* c = copy.data();
            Index i = lo, j = mid + 1, k = lo;
            while (i <= mid && j <= hi) {
                const bool right = a[j] < c[i];
                a[k++] = right ? a[j] : c[i];
                j += right;
                i += !right;
            }
            std::memcpy(a + k, c + i, static_cast<std::size_t>(mid - i + 1) * sizeof(float));
            starts[kept++] = lo;
        }
        if (r + 1 < starts.size()) starts[kept++] = starts[r];
        starts.resize(kept);
    }
}

// --- Radix sort: four passes of a byte each; each pass counts in four tables, so that
// neighbours of the same byte do not wait for each other's count. ---

inline std::uint32_t Byte(float x, int shift)
{
    const auto bits = std::bit_cast<std::uint32_t>(x);
    return ((bits == 0x80000000u ? 0 : bits) >> shift) & 0xFF;
}

using Tables = std::array<std::array<std::uint32_t, 256>, 4>;

inline void CountBytes(const float* a, Index from, Index n, int shift, Tables& t)
{
    for (Index i = from; i <= n; ++i) ++t[static_cast<std::size_t>(i & 3)][Byte(a[i], shift)];
}

EXACT_AVX512 inline void CountBytesAvx512(const float* a, Index n, int shift, Tables& t)
{
    alignas(64) std::uint32_t bytes[16];
    const __m512i negativeZero = _mm512_set1_epi32(INT32_MIN), by = _mm512_set1_epi32(shift);
    const __m512i low = _mm512_set1_epi32(0xFF);
    Index i = 1;
    for (; i + 15 <= n; i += 16) {
        const __m512i bits = _mm512_loadu_si512(a + i);
        const __m512i key =
            _mm512_mask_mov_epi32(bits, _mm512_cmpeq_epi32_mask(bits, negativeZero), _mm512_setzero_si512());
        _mm512_store_si512(bytes, _mm512_and_si512(_mm512_srlv_epi32(key, by), low));
        for (int l = 0; l < 16; ++l) ++t[static_cast<std::size_t>(l & 3)][bytes[l]];
    }
    CountBytes(a, i, n, shift, t);
}

EXACT_AVX2 inline void CountBytesAvx2(const float* a, Index n, int shift, Tables& t)
{
    alignas(32) std::uint32_t bytes[8];
    const __m256i negativeZero = _mm256_set1_epi32(INT32_MIN), by = _mm256_set1_epi32(shift);
    const __m256i low = _mm256_set1_epi32(0xFF);
    Index i = 1;
    for (; i + 7 <= n; i += 8) {
        const __m256i bits = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
        const __m256i key = _mm256_blendv_epi8(bits, _mm256_setzero_si256(), _mm256_cmpeq_epi32(bits, negativeZero));
        _mm256_store_si256(reinterpret_cast<__m256i*>(bytes), _mm256_and_si256(_mm256_srlv_epi32(key, by), low));
        for (int l = 0; l < 8; ++l) ++t[static_cast<std::size_t>(l & 3)][bytes[l]];
    }
    CountBytes(a, i, n, shift, t);
}

inline void CountBytesFromOne(const float* a, Index n, int shift, Tables& t) { CountBytes(a, 1, n, shift, t); }

template <void (*count)(const float*, Index, int, Tables&)>
inline void RadixPasses(float* a, Index n)
{
    std::vector<float> out(static_cast<std::size_t>(n) + 1);
    for (int shift = 0; shift < 32; shift += 8) {
        Tables t{};
        count(a, n, shift, t);
        std::array<Index, 256> next;
        for (Index d = 0, at = 1; d < 256; ++d) {
            next[static_cast<std::size_t>(d)] = at;
            at += Index(t[0][d]) + t[1][d] + t[2][d] + t[3][d];
        }
        for (Index i = 1; i <= n; ++i) out[static_cast<std::size_t>(next[Byte(a[i], shift)]++)] = a[i];
        std::memcpy(a + 1, out.data() + 1, static_cast<std::size_t>(n) * sizeof(float));
    }
}

SORTING_HOT_LOOP inline void FourTableRadix(float* a, Index n) { RadixPasses<CountBytesFromOne>(a, n); }
SORTING_HOT_LOOP EXACT_AVX2 inline void Avx2Radix(float* a, Index n) { RadixPasses<CountBytesAvx2>(a, n); }
SORTING_HOT_LOOP EXACT_AVX512 inline void Avx512Radix(float* a, Index n) { RadixPasses<CountBytesAvx512>(a, n); }

// --- Bucket sort: each item's bucket found once and counted, the items moved straight to
// their buckets in the order they came, and the buckets sorted by one pass of insertion over
// all the items, which never takes an item past its bucket's start: no item of a bucket is
// greater than one of a later bucket. ---

SORTING_HOT_LOOP inline void CountedBucket(float* a, Index n)
{
    if (n < 1) return;
    const float largest = *std::max_element(a + 1, a + n + 1);
    std::vector<std::uint32_t> bucket(static_cast<std::size_t>(n) + 1), next(static_cast<std::size_t>(n) + 1);
    for (Index i = 1; i <= n; ++i) {
        const auto share = largest > 0 ? static_cast<Index>(static_cast<double>(n) * a[i] / largest) : 0;
        const auto b = static_cast<std::uint32_t>(std::clamp<Index>(share, 0, n - 1));
        bucket[static_cast<std::size_t>(i)] = b;
        ++next[b + 1];
    }
    next[0] = 1;
    for (Index b = 1; b < n; ++b) next[static_cast<std::size_t>(b)] += next[static_cast<std::size_t>(b) - 1];
    std::vector<float> out(static_cast<std::size_t>(n) + 1);
    for (Index i = 1; i <= n; ++i) out[next[bucket[static_cast<std::size_t>(i)]]++] = a[i];
    std::memcpy(a + 1, out.data() + 1, static_cast<std::size_t>(n) * sizeof(float));
    for (Index i = 2; i <= n; ++i) {
        const float x = a[i];
        Index j = i - 1;
        for (; j >= 1 && x < a[j]; --j) a[j + 1] = a[j];
        a[j + 1] = x;
    }
}

}  // namespace exact

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
