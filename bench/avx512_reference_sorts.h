#pragma once

// The AVX-512 loops the program's sorts are held against on processors that have it (F, VL,
// BW and DQ): for each algorithm the fastest loops we could write sixteen lanes wide, with the
// same passes, comparisons and exchanges. Built with the target attribute, so that the
// benchmarks still build for any x86-64; they are only run where the processor has AVX-512.

#include "sorting/hot_loop.h"

#include <immintrin.h>

#include <cstddef>
#include <cstring>
#include <utility>

#define REFERENCE_AVX512 [[gnu::target("avx512f,avx512vl,avx512bw,avx512dq")]]

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace reference {

using Index = std::ptrdiff_t;

// The smallest value of a[i..n] sixteen lanes wide in four chains, then its first index.
REFERENCE_AVX512 SORTING_HOT_LOOP inline void Avx512Selection(float* a, Index n)
{
    for (Index i = 1; i < n; ++i) {
        Index m = i;
        if (n - i + 1 < 64) {
            for (Index j = i + 1; j <= n; ++j) m = a[j] < a[m] ? j : m;
        } else {
            __m512 m0 = _mm512_loadu_ps(a + i), m1 = _mm512_loadu_ps(a + i + 16);
            __m512 m2 = _mm512_loadu_ps(a + i + 32), m3 = _mm512_loadu_ps(a + i + 48);
            Index k = i + 64;
            for (; k + 63 <= n; k += 64) {
                m0 = _mm512_min_ps(_mm512_loadu_ps(a + k), m0);
                m1 = _mm512_min_ps(_mm512_loadu_ps(a + k + 16), m1);
                m2 = _mm512_min_ps(_mm512_loadu_ps(a + k + 32), m2);
                m3 = _mm512_min_ps(_mm512_loadu_ps(a + k + 48), m3);
            }
            float v = _mm512_reduce_min_ps(_mm512_min_ps(_mm512_min_ps(m0, m1), _mm512_min_ps(m2, m3)));
            for (; k <= n; ++k) v = a[k] < v ? a[k] : v;
            const __m512 want = _mm512_set1_ps(v);
            Index j = i;
            for (; j + 15 <= n; j += 16) {
                const unsigned hit = _mm512_cmp_ps_mask(_mm512_loadu_ps(a + j), want, _CMP_EQ_OQ);
                if (hit) break;
            }
            if (j + 15 <= n)
                j += __builtin_ctz(_mm512_cmp_ps_mask(_mm512_loadu_ps(a + j), want, _CMP_EQ_OQ));
            else
                while (!(a[j] == v)) ++j;
            m = j;
        }
        std::swap(a[m], a[i]);
    }
}

// The same minimum, but the first 1,024-item stretch that lowers it is kept, so that only that
// stretch is read again for the index.
REFERENCE_AVX512 SORTING_HOT_LOOP inline void Avx512StretchSelection(float* a, Index n)
{
    for (Index i = 1; i < n; ++i) {
        Index m = i;
        const Index len = n - i + 1;
        if (len < 64) {
            for (Index j = i + 1; j <= n; ++j) m = a[j] < a[m] ? j : m;
        } else {
            const Index whole = i + (len & ~Index(63));
            float v = __builtin_inff();
            Index at = i;
            for (Index s = i; s < whole; s += 1024) {
                const Index e = s + 1024 < whole ? s + 1024 : whole;
                __m512 m0 = _mm512_loadu_ps(a + s), m1 = _mm512_loadu_ps(a + s + 16);
                __m512 m2 = _mm512_loadu_ps(a + s + 32), m3 = _mm512_loadu_ps(a + s + 48);
                for (Index k = s + 64; k < e; k += 64) {
                    m0 = _mm512_min_ps(_mm512_loadu_ps(a + k), m0);
                    m1 = _mm512_min_ps(_mm512_loadu_ps(a + k + 16), m1);
                    m2 = _mm512_min_ps(_mm512_loadu_ps(a + k + 32), m2);
                    m3 = _mm512_min_ps(_mm512_loadu_ps(a + k + 48), m3);
                }
                const float w = _mm512_reduce_min_ps(_mm512_min_ps(_mm512_min_ps(m0, m1), _mm512_min_ps(m2, m3)));
                if (w < v) v = w, at = s;
            }
            Index tail = whole;
            for (Index k = whole + 1; k <= n; ++k) tail = a[k] < a[tail] ? k : tail;
            if (whole <= n && a[tail] < v) {
                m = tail;
            } else {
                const __m512 want = _mm512_set1_ps(v);
                unsigned hit = 0;
                for (; !(hit = _mm512_cmp_ps_mask(_mm512_loadu_ps(a + at), want, _CMP_EQ_OQ)); at += 16) {
                }
                m = at + __builtin_ctz(hit);
            }
        }
        std::swap(a[m], a[i]);
    }
}

// Sixteen neighbours compared at a time, then moved up together.
REFERENCE_AVX512 SORTING_HOT_LOOP inline void Avx512Insertion(float* a, Index n)
{
    for (Index i = 2; i <= n; ++i) {
        const float x = a[i];
        const __m512 vx = _mm512_set1_ps(x);
        Index j = i;
        for (;;) {
            if (j <= 16) {
                while (j > 1 && a[j - 1] > x) --j;
                break;
            }
            const unsigned greater = _mm512_cmp_ps_mask(_mm512_loadu_ps(a + j - 16), vx, _CMP_GT_OQ);
            if (greater != 0xFFFFu) {  // the greater lanes are the upper ones
                j -= greater == 0 ? 0 : 16 - __builtin_ctz(greater);
                break;
            }
            j -= 16;
        }
        std::memmove(a + j + 1, a + j, static_cast<std::size_t>(i - j) * sizeof(float));
        a[j] = x;
    }
}

// A pass is a prefix maximum and a minimum, sixteen pairs at a time; the maximum carried on
// waits only for one comparison.
REFERENCE_AVX512 SORTING_HOT_LOOP inline void Avx512Bubble(float* a, Index n)
{
    const __m512i lowest = _mm512_castps_si512(_mm512_set1_ps(-__builtin_inff()));
    const __m512i top = _mm512_set1_epi32(15);
    for (Index pass = 1; pass < n; ++pass) {
        const Index last = n - pass;
        __m512 c = _mm512_set1_ps(a[1]);
        Index i = 1;
        for (; i + 15 <= last; i += 16) {
            const __m512 b = _mm512_loadu_ps(a + i + 1);
            __m512i p = _mm512_castps_si512(b);
            p = _mm512_castps_si512(_mm512_max_ps(_mm512_castsi512_ps(_mm512_alignr_epi32(p, lowest, 15)), _mm512_castsi512_ps(p)));
            p = _mm512_castps_si512(_mm512_max_ps(_mm512_castsi512_ps(_mm512_alignr_epi32(p, lowest, 14)), _mm512_castsi512_ps(p)));
            p = _mm512_castps_si512(_mm512_max_ps(_mm512_castsi512_ps(_mm512_alignr_epi32(p, lowest, 12)), _mm512_castsi512_ps(p)));
            p = _mm512_castps_si512(_mm512_max_ps(_mm512_castsi512_ps(_mm512_alignr_epi32(p, lowest, 8)), _mm512_castsi512_ps(p)));
            const __m512 leaving = _mm512_max_ps(c, _mm512_castsi512_ps(p));
            const __m512 arriving = _mm512_castsi512_ps(_mm512_alignr_epi32(_mm512_castps_si512(leaving), _mm512_castps_si512(c), 15));
            _mm512_storeu_ps(a + i, _mm512_min_ps(b, arriving));
            c = _mm512_max_ps(c, _mm512_permutexvar_ps(top, _mm512_castsi512_ps(p)));
        }
        float s = _mm512_cvtss_f32(c);
        for (; i <= last; ++i) {
            const float b = a[i + 1];
            a[i] = s > b ? b : s;
            s = s > b ? s : b;
        }
        a[last + 1] = s;
    }
}

}  // namespace reference

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
