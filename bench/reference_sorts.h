#pragma once

// The loops the program's sorts are held against, each on a plain array a[1..n] with nothing
// else: for each algorithm the fastest loop we can write that still makes its passes, its
// comparisons and its exchanges (for merge sort, its merges), and the plain branchy loop the
// program used to run, which shows what the fast forms gain. They are placed in memory like
// the program's sorts, so that both meet the same fetch alignment.

#include "sorting/hot_loop.h"

#include <immintrin.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace reference {

using Index = std::ptrdiff_t;

// --- The plain loops, as written first: a branch on every comparison. ---

SORTING_HOT_LOOP inline void BranchySelection(float* a, Index n)
{
    for (Index i = 1; i < n; ++i) {
        Index m = i;
        for (Index j = i + 1; j <= n; ++j)
            if (a[j] < a[m]) m = j;
        std::swap(a[m], a[i]);
    }
}

SORTING_HOT_LOOP inline void SwappingInsertion(float* a, Index n)
{
    for (Index i = 2; i <= n; ++i) {
        const float x = a[i];
        for (Index j = i; a[j - 1] > x && j > 1; --j) std::swap(a[j - 1], a[j]);
    }
}

SORTING_HOT_LOOP inline void BranchyBubble(float* a, Index n)
{
    for (Index pass = 1; pass < n; ++pass)
        for (Index i = 1; i + pass <= n; ++i)
            if (a[i] > a[i + 1]) std::swap(a[i], a[i + 1]);
}

// --- Selection sort. ---

// The smallest of a[i..n] in a conditional move, no branch.
SORTING_HOT_LOOP inline void CmovSelection(float* a, Index n)
{
    for (Index i = 1; i < n; ++i) {
        Index m = i;
        for (Index j = i + 1; j <= n; ++j) m = a[j] < a[m] ? j : m;
        std::swap(a[m], a[i]);
    }
}

// The smallest value of a[i..n] eight lanes at a time in four chains, then its first index.
[[gnu::target("avx2")]] SORTING_HOT_LOOP inline void Avx2Selection(float* a, Index n)
{
    for (Index i = 1; i < n; ++i) {
        const Index len = n - i + 1;
        Index m = i;
        if (len < 32) {
            for (Index j = i + 1; j <= n; ++j) m = a[j] < a[m] ? j : m;
        } else {
            __m256 m0 = _mm256_loadu_ps(a + i), m1 = _mm256_loadu_ps(a + i + 8);
            __m256 m2 = _mm256_loadu_ps(a + i + 16), m3 = _mm256_loadu_ps(a + i + 24);
            Index k = i + 32;
            for (; k + 31 <= n; k += 32) {
                m0 = _mm256_min_ps(_mm256_loadu_ps(a + k), m0);
                m1 = _mm256_min_ps(_mm256_loadu_ps(a + k + 8), m1);
                m2 = _mm256_min_ps(_mm256_loadu_ps(a + k + 16), m2);
                m3 = _mm256_min_ps(_mm256_loadu_ps(a + k + 24), m3);
            }
            m0 = _mm256_min_ps(_mm256_min_ps(m0, m1), _mm256_min_ps(m2, m3));
            __m128 h = _mm_min_ps(_mm256_castps256_ps128(m0), _mm256_extractf128_ps(m0, 1));
            h = _mm_min_ps(h, _mm_movehl_ps(h, h));
            h = _mm_min_ss(h, _mm_shuffle_ps(h, h, 1));
            float v = _mm_cvtss_f32(h);
            for (; k <= n; ++k) v = a[k] < v ? a[k] : v;
            const __m256 want = _mm256_set1_ps(v);
            Index j = i;
            for (;; j += 8) {
                if (j + 7 > n) {
                    while (!(a[j] == v)) ++j;
                    break;
                }
                const int hit = _mm256_movemask_ps(_mm256_cmp_ps(_mm256_loadu_ps(a + j), want, _CMP_EQ_OQ));
                if (hit) {
                    j += __builtin_ctz(static_cast<unsigned>(hit));
                    break;
                }
            }
            m = j;
        }
        std::swap(a[m], a[i]);
    }
}

// --- Insertion sort. ---

// The greater neighbours move up one place each; the item is written once.
SORTING_HOT_LOOP inline void ShiftingInsertion(float* a, Index n)
{
    for (Index i = 2; i <= n; ++i) {
        const float x = a[i];
        Index j = i;
        for (; j > 1 && a[j - 1] > x; --j) a[j] = a[j - 1];
        a[j] = x;
    }
}

// Eight neighbours compared at a time, counted, then moved up together.
[[gnu::target("avx2")]] SORTING_HOT_LOOP inline void Avx2Insertion(float* a, Index n)
{
    for (Index i = 2; i <= n; ++i) {
        const float x = a[i];
        const __m256 vx = _mm256_set1_ps(x);
        Index j = i;
        for (;;) {
            if (j <= 8) {
                while (j > 1 && a[j - 1] > x) --j;
                break;
            }
            const unsigned greater =
                static_cast<unsigned>(_mm256_movemask_ps(_mm256_cmp_ps(_mm256_loadu_ps(a + j - 8), vx, _CMP_GT_OQ)));
            if (greater != 0xFFu) {  // the greater lanes are the upper ones
                j -= greater == 0 ? 0 : 8 - __builtin_ctz(greater);
                break;
            }
            j -= 8;
        }
        std::memmove(a + j + 1, a + j, static_cast<std::size_t>(i - j) * sizeof(float));
        a[j] = x;
    }
}

// --- Bubble sort. ---

// Each pass carries the larger of each pair in a register and writes the smaller back.
SORTING_HOT_LOOP inline void CarriedBubble(float* a, Index n)
{
    for (Index pass = 1; pass < n; ++pass) {
        const Index last = n - pass;
        float c = a[1];
        for (Index i = 1; i <= last; ++i) {
            const float b = a[i + 1];
            a[i] = c > b ? b : c;
            c = c > b ? c : b;
        }
        a[last + 1] = c;
    }
}

// The register carried into pair i holds the maximum of a[1..i]: a pass is a prefix maximum
// and a minimum, eight pairs at a time.
[[gnu::target("avx2")]] SORTING_HOT_LOOP inline void Avx2Bubble(float* a, Index n)
{
    const __m256 lowest = _mm256_set1_ps(-__builtin_inff());
    const __m256i by1 = _mm256_setr_epi32(0, 0, 1, 2, 3, 4, 5, 6);
    const __m256i by2 = _mm256_setr_epi32(0, 0, 0, 1, 2, 3, 4, 5);
    const __m256i by4 = _mm256_setr_epi32(0, 0, 0, 0, 0, 1, 2, 3);
    const __m256i top = _mm256_set1_epi32(7);
    for (Index pass = 1; pass < n; ++pass) {
        const Index last = n - pass;
        __m256 c = _mm256_set1_ps(a[1]);
        Index i = 1;
        for (; i + 7 <= last; i += 8) {
            const __m256 b = _mm256_loadu_ps(a + i + 1);
            __m256 p = _mm256_max_ps(_mm256_blend_ps(_mm256_permutevar8x32_ps(b, by1), lowest, 1), b);
            p = _mm256_max_ps(_mm256_blend_ps(_mm256_permutevar8x32_ps(p, by2), lowest, 3), p);
            p = _mm256_max_ps(_mm256_blend_ps(_mm256_permutevar8x32_ps(p, by4), lowest, 15), p);
            p = _mm256_max_ps(c, p);
            _mm256_storeu_ps(a + i, _mm256_min_ps(b, _mm256_blend_ps(_mm256_permutevar8x32_ps(p, by1), c, 1)));
            c = _mm256_permutevar8x32_ps(p, top);
        }
        float s = _mm256_cvtss_f32(c);
        for (; i <= last; ++i) {
            const float b = a[i + 1];
            a[i] = s > b ? b : s;
            s = s > b ? s : b;
        }
        a[last + 1] = s;
    }
}

// --- Merge sort. ---

// Bottom-up, each merge through a scratch copy with the right run reversed, so that neither
// cursor needs a bound, and the choice made without a branch.
SORTING_HOT_LOOP inline void Merge(float* a, Index n)
{
    if (n < 2) return;
    const auto t = std::make_unique_for_overwrite<float[]>(static_cast<std::size_t>(n) + 1);
    for (Index width = 1; width < n; width *= 2) {
        for (Index lo = 1; lo + width <= n; lo += 2 * width) {
            const Index mid = lo + width - 1;
            const Index hi = lo + 2 * width - 1 < n ? lo + 2 * width - 1 : n;
            for (Index k = lo; k <= mid; ++k) t[k] = a[k];
            for (Index k = mid + 1; k <= hi; ++k) t[mid + hi + 1 - k] = a[k];
            Index i = lo, j = hi;
            for (Index k = lo; k <= hi; ++k) {
                const bool left = t[i] < t[j];
                a[k] = left ? t[i] : t[j];
                i += left;
                j -= !left;
            }
        }
    }
}

// --- Shell, heap and quick sort: the textbook loops, written apart from the program's. ---

// Knuth's gaps, each an insertion sort by exchanges over items h apart.
SORTING_HOT_LOOP inline void PlainShell(float* a, Index n)
{
    Index h = 1;
    while (h < n / 3) h = 3 * h + 1;
    for (; h >= 1; h /= 3)
        for (Index i = h + 1; i <= n; ++i)
            for (Index j = i; j > h && a[j] < a[j - h]; j -= h) std::swap(a[j], a[j - h]);
}

inline void SiftDown(float* a, Index k, Index n)
{
    for (Index j = 2 * k; j <= n; k = j, j = 2 * k) {
        if (j < n && a[j] < a[j + 1]) ++j;
        if (!(a[k] < a[j])) break;
        std::swap(a[k], a[j]);
    }
}

// A heap built from the bottom up, then the largest taken off one by one.
SORTING_HOT_LOOP inline void PlainHeap(float* a, Index n)
{
    for (Index k = n / 2; k >= 1; --k) SiftDown(a, k, n);
    for (Index m = n; m > 1; --m) {
        std::swap(a[1], a[m]);
        SiftDown(a, 1, m - 1);
    }
}

// The median of a[lo], a[(lo + hi) / 2] and a[hi], brought to hi.
inline void MedianLast(float* a, Index lo, Index hi)
{
    const Index mid = (lo + hi) / 2;
    if (a[mid] < a[lo]) std::swap(a[lo], a[mid]);
    if (a[hi] < a[lo]) std::swap(a[lo], a[hi]);
    if (a[hi] < a[mid]) std::swap(a[mid], a[hi]);
    std::swap(a[mid], a[hi]);
}

// Lomuto's partition around a[hi]; where the pivot comes to stand.
inline Index LastPivot(float* a, Index lo, Index hi)
{
    const float pivot = a[hi];
    Index i = lo;
    for (Index j = lo; j < hi; ++j)
        if (a[j] <= pivot) {
            if (i != j) std::swap(a[i], a[j]);
            ++i;
        }
    if (i != hi) std::swap(a[i], a[hi]);
    return i;
}

// Lomuto's partition with no branch to guess: every step writes twice, a[j] into its slot
// (the next free one on the left, or its own place) and that slot's item to j, so that the
// exchanges are those of the branchy loop. The slot is chosen with a mask: a choice of two
// floats the compiler would make a branch again.
inline Index BranchFreeLastPivot(float* a, Index lo, Index hi)
{
    const float pivot = a[hi];
    Index i = lo;
    for (Index j = lo; j < hi; ++j) {
        const float x = a[j];
        const Index take = -static_cast<Index>(x <= pivot);  // all ones, or none
        const Index slot = j + ((i - j) & take);              // one masked step from j: the fastest form here
        a[j] = a[slot];
        a[slot] = x;
        i -= take;
    }
    std::swap(a[i], a[hi]);
    return i;
}

// The last item as pivot, or the median of three brought there, the left part first, the
// right parts waiting on a list.
template <bool median, Index (*partition)(float*, Index, Index) = LastPivot>
inline void QuickParts(float* a, Index n)
{
    std::vector<std::pair<Index, Index>> waiting{{1, n}};
    while (!waiting.empty()) {
        auto [lo, hi] = waiting.back();
        waiting.pop_back();
        while (lo < hi) {
            if (median && hi - lo >= 2) MedianLast(a, lo, hi);
            const Index p = partition(a, lo, hi);
            if (p + 1 < hi) waiting.push_back({p + 1, hi});
            hi = p - 1;
        }
    }
}

SORTING_HOT_LOOP inline void PlainQuick(float* a, Index n) { QuickParts<false>(a, n); }

SORTING_HOT_LOOP inline void PlainMedianQuick(float* a, Index n) { QuickParts<true>(a, n); }

SORTING_HOT_LOOP inline void BranchFreeQuick(float* a, Index n) { QuickParts<false, BranchFreeLastPivot>(a, n); }

SORTING_HOT_LOOP inline void BranchFreeMedianQuick(float* a, Index n) { QuickParts<true, BranchFreeLastPivot>(a, n); }

// Dijkstra's three-way partition: less, equal, greater.
SORTING_HOT_LOOP inline void PlainThreeWayQuick(float* a, Index n)
{
    std::vector<std::pair<Index, Index>> waiting{{1, n}};
    while (!waiting.empty()) {
        auto [lo, hi] = waiting.back();
        waiting.pop_back();
        while (lo < hi) {
            Index lt = lo, gt = hi;
            for (Index i = lo + 1; i <= gt;) {
                if (a[i] < a[lt])
                    std::swap(a[lt++], a[i++]);
                else if (a[lt] < a[i]) {
                    if (i != gt) std::swap(a[i], a[gt]);
                    --gt;
                } else
                    ++i;
            }
            if (gt + 1 < hi) waiting.push_back({gt + 1, hi});
            hi = lt - 1;
        }
    }
}

inline void InsertionRange(float* a, Index lo, Index hi)
{
    for (Index i = lo + 1; i <= hi; ++i)
        for (Index j = i; j > lo && a[j] < a[j - 1]; --j) std::swap(a[j], a[j - 1]);
}

// Median quick sort, insertion for parts of 16 or fewer, heap sort below 2 floor(log2 n).
template <Index (*partition)(float*, Index, Index)>
inline void IntroParts(float* a, Index n)
{
    struct Part {
        Index lo, hi;
        int depth;
    };
    int depth = 0;
    for (Index m = n; m > 1; m /= 2) depth += 2;
    std::vector<Part> waiting{{1, n, depth}};
    while (!waiting.empty()) {
        Part part = waiting.back();
        waiting.pop_back();
        while (part.lo < part.hi) {
            if (part.hi - part.lo < 16) {
                InsertionRange(a, part.lo, part.hi);
                break;
            }
            if (part.depth == 0) {
                PlainHeap(a + part.lo - 1, part.hi - part.lo + 1);
                break;
            }
            MedianLast(a, part.lo, part.hi);
            const Index p = partition(a, part.lo, part.hi);
            if (p + 1 < part.hi) waiting.push_back({p + 1, part.hi, part.depth - 1});
            part = {part.lo, p - 1, part.depth - 1};
        }
    }
}

SORTING_HOT_LOOP inline void PlainIntro(float* a, Index n) { IntroParts<LastPivot>(a, n); }

SORTING_HOT_LOOP inline void BranchFreeIntro(float* a, Index n) { IntroParts<BranchFreeLastPivot>(a, n); }

// The runs already in order, merged pair by pair, the left run of each pair copied out.
SORTING_HOT_LOOP inline void PlainNaturalMerge(float* a, Index n)
{
    std::vector<Index> starts{1};
    for (Index i = 1; i < n; ++i)
        if (a[i + 1] < a[i]) starts.push_back(i + 1);
    std::vector<float> copy(static_cast<std::size_t>(n) + 1);
    while (starts.size() > 1) {
        starts.push_back(n + 1);
        std::vector<Index> next;
        std::size_t r = 0;
        for (; r + 2 < starts.size(); r += 2) {
            const Index lo = starts[r], mid = starts[r + 1] - 1, hi = starts[r + 2] - 1;
            std::copy(a + lo, a + mid + 1, copy.data() + lo);
            Index i = lo, j = mid + 1, k = lo;
            while (i <= mid && j <= hi) a[k++] = a[j] < copy[i] ? a[j++] : copy[i++];
            std::copy(copy.data() + i, copy.data() + mid + 1, a + k);
            next.push_back(lo);
        }
        if (r + 1 < starts.size()) next.push_back(starts[r]);
        starts = std::move(next);
    }
}

inline std::uint32_t RadixKey(float x)
{
    const auto bits = std::bit_cast<std::uint32_t>(x);
    return bits == 0x80000000u ? 0 : bits;
}

// Least significant byte first, four passes through a scratch array.
SORTING_HOT_LOOP inline void PlainRadix(float* a, Index n)
{
    std::vector<float> out(static_cast<std::size_t>(n) + 1);
    for (int shift = 0; shift < 32; shift += 8) {
        Index start[257] = {};
        for (Index i = 1; i <= n; ++i) ++start[((RadixKey(a[i]) >> shift) & 0xFF) + 1];
        start[0] = 1;
        for (int d = 1; d < 257; ++d) start[d] += start[d - 1];
        for (Index i = 1; i <= n; ++i) out[static_cast<std::size_t>(start[(RadixKey(a[i]) >> shift) & 0xFF]++)] = a[i];
        std::copy(out.begin() + 1, out.end(), a + 1);
    }
}

// n buckets by value up to the largest, each sorted by insertion. As the lesson has it, each
// item is read once for the largest and once as it is moved out, in the array's order, to its
// bucket; the buckets are then written back one after the other, each in the order its items
// came.
SORTING_HOT_LOOP inline void PlainBucket(float* a, Index n)
{
    if (n < 1) return;
    float largest = a[1];
    for (Index i = 1; i <= n; ++i) largest = a[i] > largest ? a[i] : largest;
    const auto size = static_cast<std::size_t>(n) + 2;
    std::vector<float> copy(size);
    std::vector<std::uint32_t> bucket(size), end(size), taken(size);
    for (Index i = 1; i <= n; ++i) {
        copy[static_cast<std::size_t>(i)] = a[i];
        // floor(n x / m), at most n - 1, as the lesson words it.
        const auto b = largest > 0 ? static_cast<std::uint32_t>(std::min<Index>(
                                         static_cast<Index>(static_cast<double>(n) * a[i] / largest), n - 1))
                                   : 0u;
        bucket[static_cast<std::size_t>(i)] = b;
        ++end[b + 1];
    }
    end[0] = 1;
    for (std::size_t b = 1; b < size; ++b) end[b] += end[b - 1];
    // Each copy's place, bucket by bucket: end[b] moves on from bucket b's start to the next's.
    for (Index i = 1; i <= n; ++i) taken[end[bucket[static_cast<std::size_t>(i)]]++] = static_cast<std::uint32_t>(i);
    for (Index k = 1; k <= n; ++k) a[k] = copy[taken[static_cast<std::size_t>(k)]];
    for (Index b = 0; b < n; ++b)
        InsertionRange(a, b == 0 ? 1 : end[static_cast<std::size_t>(b) - 1], end[static_cast<std::size_t>(b)] - 1);
}

}  // namespace reference
