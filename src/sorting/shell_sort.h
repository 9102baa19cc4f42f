#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/simd.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

#include <algorithm>

namespace sorting {

template <typename Watcher>
SORTING_HOT_LOOP void ShellSortFast(Items theArray, Watcher& watcher, Kernel kernel = BestKernel());

namespace shell {

enum class Line { Gaps, Item, Down, Compare, Exchange, End };
inline constexpr CodeLine kCode[] = {
    {Line::Gaps, "gaps",
     SORTING_WORDS("Code", "for h = the first of 1, 4, 13, ... at least n / 3 rounded down, then h / 3, ..., 1")},
    {Line::Item, "item", SORTING_WORDS("Code", "  for i = h + 1 to n")},
    {Line::Down, "down", SORTING_WORDS("Code", "    for j = i, i - h, ... while j > h")},
    {Line::Compare, "compare", SORTING_WORDS("Code", "      if not item j < item j - h: next i")},
    {Line::Exchange, "exchange", SORTING_WORDS("Code", "      exchange items j and j - h")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value h{}, i{}, j{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "h"), &Variables::h},
                                                     {SORTING_WORDS("Code", "i"), &Variables::i},
                                                     {SORTING_WORDS("Code", "j"), &Variables::j}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

inline Index FirstGap(Index numItems)
{
    Index h = 1;
    while (h < numItems / 3) h = 3 * h + 1;
    return h;
}

}  // namespace shell

// Insertion sort over items h apart, for Knuth's gaps h = ..., 40, 13, 4, 1: the largest gap
// is the first of 1, 4, 13, ... that is at least NumItems \ 3 (4 for 10 items). Each item moves down its h-chain by
// exchanges while the item h places before it is greater; equal items are never exchanged.
template <SortObserver Observer>
SORTING_HOT_LOOP void ShellSort(Items theArray, Observer& observer)
{
    if constexpr (!kListens<Observer>) return ShellSortFast(theArray, observer);
    const Index numItems = NumItems(theArray);
    for (Index h = shell::FirstGap(numItems); h >= 1; h /= 3) {
        for (Index i = h + 1; i <= numItems; ++i) {
            for (Index j = i; j > h; j -= h) {
                NoteLine(observer, shell::Line::Compare, shell::Variables{.h = h, .i = i, .j = j});
                observer.Compared(j, j - h);
                if (!(theArray[j] < theArray[j - h])) break;
                NoteLine(observer, shell::Line::Exchange, shell::Variables{.h = h, .i = i, .j = j});
                Swap(theArray, j, j - h, observer);
            }
        }
        NotePassEnded(observer, theArray);
    }
}

// The fast form makes the same passes and carries each item down past the same greater items
// of its chain, moving them up one place each and writing the item once, where the exchanges
// leave it. Where the gap is at least as wide as a kernel's lanes, the items of a row of lanes
// lie on as many chains, each below the others' reach, and go down their chains together.
namespace shell {

inline void InsertGapped(float* a, Index i, Index h)
{
    const float item = a[i];
    Index j = i;
    for (; j > h && item < a[j - h]; j -= h) a[j] = a[j - h];
    a[j] = item;
}

inline void PassPortable(float* a, Index numItems, Index h)
{
    for (Index i = h + 1; i <= numItems; ++i) InsertGapped(a, i, h);
}

#if SORTING_X86
// Eight items i to i + 7 at once: a lane goes on down while its item is less than the one h
// places below it, the two exchanged by masked stores, and stops at item 1 of its chain. The
// masked loads never touch what lies before the array.
SORTING_AVX2 inline void RowAvx2(float* a, Index i, Index lanes, Index h)
{
    const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    const __m256i inRow = _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int>(lanes)), lane);
    const __m256 item = _mm256_maskload_ps(a + i, inRow);
    __m256i going = inRow;
    for (Index j = i; _mm256_movemask_ps(_mm256_castsi256_ps(going)) != 0; j -= h) {
        // Lane l stands at j + l, and has an item h below it while j + l > h.
        going = _mm256_and_si256(going, _mm256_cmpgt_epi32(lane, _mm256_set1_epi32(static_cast<int>(h - j))));
        const __m256 below = _mm256_maskload_ps(a + j - h, going);
        going = _mm256_and_si256(going, _mm256_castps_si256(_mm256_cmp_ps(item, below, _CMP_LT_OQ)));
        _mm256_maskstore_ps(a + j, going, below);
        _mm256_maskstore_ps(a + j - h, going, item);
    }
}

SORTING_AVX2 inline void PassAvx2(float* a, Index numItems, Index h)
{
    if (h < 8) return PassPortable(a, numItems, h);
    for (Index i = h + 1; i <= numItems; i += 8) RowAvx2(a, i, std::min<Index>(8, numItems - i + 1), h);
}

SORTING_AVX512_CODE_BEGIN

// Sixteen items at once, as above.
SORTING_AVX512 inline void RowAvx512(float* a, Index i, Index lanes, Index h)
{
    const __m512i lane = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const auto inRow = static_cast<__mmask16>((1u << lanes) - 1);
    const __m512 item = _mm512_maskz_loadu_ps(inRow, a + i);
    __mmask16 going = inRow;
    for (Index j = i; going != 0; j -= h) {
        going &= _mm512_cmpgt_epi32_mask(lane, _mm512_set1_epi32(static_cast<int>(h - j)));
        const __m512 below = _mm512_maskz_loadu_ps(going, a + j - h);
        going = _mm512_mask_cmp_ps_mask(going, item, below, _CMP_LT_OQ);
        _mm512_mask_storeu_ps(a + j, going, below);
        _mm512_mask_storeu_ps(a + j - h, going, item);
    }
}

SORTING_AVX512 inline void PassAvx512(float* a, Index numItems, Index h)
{
    if (h < 16) return PassAvx2(a, numItems, h);
    for (Index i = h + 1; i <= numItems; i += 16) RowAvx512(a, i, std::min<Index>(16, numItems - i + 1), h);
}

SORTING_AVX512_CODE_END
#endif

template <void (*pass)(float*, Index, Index), typename Watcher>
SORTING_HOT_LOOP void Passes(Items theArray, Watcher& watcher)
{
    const Index numItems = NumItems(theArray);
    for (Index h = FirstGap(numItems); h >= 1; h /= 3) {
        pass(theArray.data(), numItems, h);
        NotePassEnded(watcher, theArray);
    }
}

template <typename Watcher>
struct Kernels {
    static void Portable(Items theArray, Watcher& watcher) { Passes<PassPortable>(theArray, watcher); }
#if SORTING_X86
    static void Avx2(Items theArray, Watcher& watcher) { Passes<PassAvx2>(theArray, watcher); }
    static void Avx512(Items theArray, Watcher& watcher) { Passes<PassAvx512>(theArray, watcher); }
#endif
};

}  // namespace shell

template <typename Watcher>
void ShellSortFast(Items theArray, Watcher& watcher, Kernel kernel)
{
    InKernel<shell::Kernels<Watcher>>(kernel, theArray, watcher);
}

}  // namespace sorting
