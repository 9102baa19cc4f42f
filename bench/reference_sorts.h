#pragma once

// The loops the program's sorts are held against, each on a plain array a[1..n] with nothing
// else: for each algorithm the fastest loop we can write that still makes its passes, its
// comparisons and its exchanges (for merge sort, its merges), and the plain branchy loop the
// program used to run, which shows what the fast forms gain. They are placed in memory like
// the program's sorts, so that both meet the same fetch alignment.

#include "sorting/hot_loop.h"

#include <immintrin.h>

#include <cstddef>
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
            const unsigned greater = static_cast<unsigned>(
                _mm256_movemask_ps(_mm256_cmp_ps(_mm256_loadu_ps(a + j - 8), vx, _CMP_GT_OQ)));
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

// The last item as pivot, the left part first, the right parts waiting on a list.
SORTING_HOT_LOOP inline void PlainQuick(float* a, Index n)
{
    std::vector<std::pair<Index, Index>> waiting{{1, n}};
    while (!waiting.empty()) {
        auto [lo, hi] = waiting.back();
        waiting.pop_back();
        while (lo < hi) {
            const float pivot = a[hi];
            Index i = lo;
            for (Index j = lo; j < hi; ++j)
                if (a[j] <= pivot) {
                    if (i != j) std::swap(a[i], a[j]);
                    ++i;
                }
            if (i != hi) std::swap(a[i], a[hi]);
            if (i + 1 < hi) waiting.push_back({i + 1, hi});
            hi = i - 1;
        }
    }
}

}  // namespace reference
