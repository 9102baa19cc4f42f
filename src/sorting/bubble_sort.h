#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/pass_variables.h"
#include "sorting/simd.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

namespace sorting {

template <typename Watcher>
void BubbleSortFast(Items theArray, Watcher& watcher, Kernel kernel = BestKernel());

namespace bubble {

enum class Line { Pass, Pair, Compare, Exchange, End };
inline constexpr CodeLine kCode[] = {
    {Line::Pass, "pass", SORTING_WORDS("Code", "for pass = 1 to n - 1")},
    {Line::Pair, "pair", SORTING_WORDS("Code", "  for i = 1 to n - pass")},
    {Line::Compare, "compare", SORTING_WORDS("Code", "    if item i > item i + 1")},
    {Line::Exchange, "exchange", SORTING_WORDS("Code", "      exchange items i and i + 1")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

using passes::kVariables;
using passes::Variables;

}  // namespace bubble

// Every pass is made, even after one without an exchange; equal neighbours stay.
template <SortObserver Observer>
SORTING_HOT_LOOP void BubbleSort(Items theArray, Observer& observer)
{
    if constexpr (!kListens<Observer>) {
        BubbleSortFast(theArray, observer);
    } else {
        const Index numItems = NumItems(theArray);
        for (Index j = 1; j <= numItems - 1; ++j) {
            for (Index i = 1; i <= numItems - j; ++i) {
                NoteLine(observer, bubble::Line::Compare, bubble::Variables{.pass = j, .i = i});
                observer.Compared(i, i + 1);
                if (theArray[i] > theArray[i + 1]) {
                    NoteLine(observer, bubble::Line::Exchange, bubble::Variables{.pass = j, .i = i});
                    Swap(theArray, i, i + 1, observer);
                }
            }
            NotePassEnded(observer, theArray);
        }
    }
}

// The fast form makes the same passes and the same exchanges, without a branch to guess.
// Within pass j the item carried along is the larger of the pair, so the item left at i is
// the smaller of the carried one and item i + 1, and the carried one goes on as the larger;
// after its last pair the carried item, the largest, lands at NumItems - j + 1.
namespace bubble {

// Pairs i to `last`, with `carried` arriving at pair i. The item left at i is the smaller of the
// two, the carried one if they are equal; the larger goes on, the next one if equal. On x86
// these are the processor's own minimum and maximum, written out, since the compiler may
// otherwise guess a branch or pass the carried item through an integer register.
inline void CarryAlong(float* a, Index i, Index last, float carried)
{
#if SORTING_X86
    __m128 held = _mm_set_ss(carried);
    for (; i <= last; ++i) {
        const __m128 next = _mm_load_ss(a + i + 1);
        _mm_store_ss(a + i, _mm_min_ss(next, held));
        held = _mm_max_ss(held, next);
    }
    _mm_store_ss(a + last + 1, held);
#else
    for (; i <= last; ++i) {
        const float next = a[i + 1];
        a[i] = carried > next ? next : carried;
        carried = carried > next ? carried : next;
    }
    a[last + 1] = carried;
#endif
}

SORTING_HOT_LOOP inline void PortablePass(float* a, Index last) { CarryAlong(a, 1, last, a[1]); }

#if SORTING_X86
// Each lane takes the value of a lower lane, as `from` names it; the lanes in `Filled` take
// `fill` instead.
template <int Filled>
SORTING_AVX2 inline __m256 FromLowerLanes(__m256 v, __m256i from, __m256 fill)
{
    return _mm256_blend_ps(_mm256_permutevar8x32_ps(v, from), fill, Filled);
}

// The running maximum of eight items, in three steps; on equal items the later one.
SORTING_AVX2 inline __m256 RunningMax(__m256 y)
{
    const __m256 none = _mm256_set1_ps(-__builtin_inff());
    y = _mm256_max_ps(FromLowerLanes<0x01>(y, _mm256_setr_epi32(0, 0, 1, 2, 3, 4, 5, 6), none), y);
    y = _mm256_max_ps(FromLowerLanes<0x03>(y, _mm256_setr_epi32(0, 0, 0, 1, 2, 3, 4, 5), none), y);
    return _mm256_max_ps(FromLowerLanes<0x0F>(y, _mm256_setr_epi32(0, 0, 0, 0, 0, 1, 2, 3), none), y);
}

// The item carried to pair i is the largest of items 1 to i (the later one where several are
// equal), so a pass is a running maximum and a minimum against the next item: eight pairs at
// a time. _mm256_max_ps(a, b) is a > b ? a : b, the exchange test; _mm256_min_ps(b, a) is
// a > b ? b : a.
SORTING_AVX2 SORTING_HOT_LOOP inline void Avx2Pass(float* a, Index last)
{
    __m256 carried = _mm256_set1_ps(a[1]);
    Index i = 1;
    for (; i + 7 <= last; i += 8) {
        const __m256 next = _mm256_loadu_ps(a + i + 1);
        const __m256 leaving = _mm256_max_ps(carried, RunningMax(next));  // carried on from pairs i to i + 7
        const __m256 arriving = FromLowerLanes<0x01>(leaving, _mm256_setr_epi32(0, 0, 1, 2, 3, 4, 5, 6), carried);
        _mm256_storeu_ps(a + i, _mm256_min_ps(next, arriving));
        carried = _mm256_permutevar8x32_ps(leaving, _mm256_set1_epi32(7));
    }
    CarryAlong(a, i, last, _mm256_cvtss_f32(carried));
}

SORTING_AVX512_CODE_BEGIN

// Lanes move up by `k`; the lowest `k` take `fill`.
template <int k>
SORTING_AVX512 inline __m512 UpBy(__m512 v, __m512 fill)
{
    return _mm512_castsi512_ps(_mm512_alignr_epi32(_mm512_castps_si512(v), _mm512_castps_si512(fill), 16 - k));
}

// The running maximum of sixteen items, in four steps; on equal items the later one.
SORTING_AVX512 inline __m512 RunningMax(__m512 y)
{
    const __m512 none = _mm512_set1_ps(-__builtin_inff());
    y = _mm512_max_ps(UpBy<1>(y, none), y);
    y = _mm512_max_ps(UpBy<2>(y, none), y);
    y = _mm512_max_ps(UpBy<4>(y, none), y);
    return _mm512_max_ps(UpBy<8>(y, none), y);
}

// The same pass sixteen pairs at a time. The item carried on past the sixteen is the larger of
// the one carried in and their largest, which does not wait for the rest.
SORTING_AVX512 SORTING_HOT_LOOP inline void Avx512Pass(float* a, Index last)
{
    const __m512i top = _mm512_set1_epi32(15);
    __m512 carried = _mm512_set1_ps(a[1]);
    Index i = 1;
    for (; i + 15 <= last; i += 16) {
        const __m512 next = _mm512_loadu_ps(a + i + 1);
        const __m512 running = RunningMax(next);
        const __m512 leaving = _mm512_max_ps(carried, running);
        _mm512_storeu_ps(a + i, _mm512_min_ps(next, UpBy<1>(leaving, carried)));
        carried = _mm512_max_ps(carried, _mm512_permutexvar_ps(top, running));
    }
    CarryAlong(a, i, last, _mm512_cvtss_f32(carried));
}

SORTING_AVX512_CODE_END
#endif

}  // namespace bubble

namespace bubble {

template <void (*pass)(float*, Index), typename Watcher>
SORTING_HOT_LOOP void Passes(Items theArray, Watcher& watcher)
{
    const Index numItems = NumItems(theArray);
    for (Index j = 1; j <= numItems - 1; ++j) {
        pass(theArray.data(), numItems - j);
        NotePassEnded(watcher, theArray);
    }
}

template <typename Watcher>
struct Kernels {
    static void Portable(Items theArray, Watcher& watcher) { Passes<PortablePass>(theArray, watcher); }
#if SORTING_X86
    static void Avx2(Items theArray, Watcher& watcher) { Passes<Avx2Pass>(theArray, watcher); }
    static void Avx512(Items theArray, Watcher& watcher) { Passes<Avx512Pass>(theArray, watcher); }
#endif
};

}  // namespace bubble

template <typename Watcher>
void BubbleSortFast(Items theArray, Watcher& watcher, Kernel kernel)
{
    InKernel<bubble::Kernels<Watcher>>(kernel, theArray, watcher);
}

}  // namespace sorting
