#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/simd.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

#include <utility>

namespace sorting {

template <typename Watcher>
SORTING_HOT_LOOP void SelectionSortFast(Items theArray, Watcher& watcher, Kernel kernel = BestKernel());

namespace selection {

enum class Line { Pass, Scan, Compare, Exchange, End };
inline constexpr CodeLine kCode[] = {
    {Line::Pass, "pass", SORTING_WORDS("Code", "for i = 1 to n - 1")},
    {Line::Scan, "scan", SORTING_WORDS("Code", "  min = i; for j = i + 1 to n")},
    {Line::Compare, "compare", SORTING_WORDS("Code", "    if item j < item min: min = j")},
    {Line::Exchange, "exchange", SORTING_WORDS("Code", "  exchange items min and i")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value i{}, j{}, min{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "i"), &Variables::i},
                                                     {SORTING_WORDS("Code", "j"), &Variables::j},
                                                     {SORTING_WORDS("Code", "min"), &Variables::min}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

}  // namespace selection

// Each pass picks the smallest remaining item (the first of equal ones) and swaps it into
// place, also when it is already there.
template <SortObserver Observer>
SORTING_HOT_LOOP void SelectionSort(Items theArray, Observer& observer)
{
    if constexpr (!kListens<Observer>) {
        SelectionSortFast(theArray, observer);
    } else {
        const Index numItems = NumItems(theArray);
        for (Index i = 1; i <= numItems - 1; ++i) {
            Index m = i;
            for (Index j = i + 1; j <= numItems; ++j) {
                NoteLine(observer, selection::Line::Compare, selection::Variables{.i = i, .j = j, .min = m});
                observer.Compared(j, m);
                if (theArray[j] < theArray[m]) m = j;
            }
            NoteLine(observer, selection::Line::Exchange, selection::Variables{.i = i, .min = m});
            Swap(theArray, m, i, observer);
            NotePassEnded(observer, theArray);
        }
    }
}

// The fast form makes the same passes and the same exchanges: it finds the same item, the
// first of the smallest remaining ones.
namespace selection {

inline Index FirstSmallest(const float* a, Index i, Index last)
{
    Index m = i;
    for (Index j = i + 1; j <= last; ++j) m = a[j] < a[m] ? j : m;
    return m;
}

#if SORTING_X86
// The smallest value of items i to `last`, 32 at a time, then the first item that holds it.
SORTING_AVX2 inline Index FirstSmallestAvx2(const float* a, Index i, Index last)
{
    const Index count = last - i + 1;
    if (count < 32) return FirstSmallest(a, i, last);
    const float* items = a + i;
    __m256 smallest[4];
    for (int lane = 0; lane < 4; ++lane) smallest[lane] = _mm256_loadu_ps(items + 8 * lane);
    Index k = 32;
    for (; k + 32 <= count; k += 32)
        for (int lane = 0; lane < 4; ++lane)
            smallest[lane] = _mm256_min_ps(_mm256_loadu_ps(items + k + 8 * lane), smallest[lane]);
    const __m256 joined =
        _mm256_min_ps(_mm256_min_ps(smallest[0], smallest[1]), _mm256_min_ps(smallest[2], smallest[3]));
    alignas(32) float lanes[8];
    _mm256_store_ps(lanes, joined);
    float value = lanes[0];
    for (const float lane : lanes) value = lane < value ? lane : value;
    for (; k < count; ++k) value = items[k] < value ? items[k] : value;

    const __m256 wanted = _mm256_set1_ps(value);
    Index j = 0;
    for (; j + 8 <= count; j += 8) {
        const int equal = _mm256_movemask_ps(_mm256_cmp_ps(_mm256_loadu_ps(items + j), wanted, _CMP_EQ_OQ));
        if (equal != 0) return i + j + __builtin_ctz(static_cast<unsigned>(equal));
    }
    while (!(items[j] == value)) ++j;
    return i + j;
}

SORTING_AVX512_CODE_BEGIN

// Sixteen lanes wide in four chains, a stretch of items at a time, noting the first stretch
// whose smallest is below every earlier one: the first smallest item lies in it, and only it
// is searched again for the item.
SORTING_AVX512 inline Index FirstSmallestAvx512(const float* a, Index i, Index last)
{
    constexpr Index kBlock = 64, kStretch = 16 * kBlock;
    const Index count = last - i + 1;
    if (count < kBlock) return FirstSmallest(a, i, last);
    const float* items = a + i;
    const Index blocks = count - count % kBlock;
    float value = 0;
    Index stretch = -1;
    for (Index s = 0; s < blocks; s += kStretch) {
        __m512 smallest[4];
        for (int lane = 0; lane < 4; ++lane) smallest[lane] = _mm512_loadu_ps(items + s + 16 * lane);
        for (Index k = s + kBlock; k < std::min(s + kStretch, blocks); k += kBlock)
            for (int lane = 0; lane < 4; ++lane)
                smallest[lane] = _mm512_min_ps(_mm512_loadu_ps(items + k + 16 * lane), smallest[lane]);
        const float least = _mm512_reduce_min_ps(
            _mm512_min_ps(_mm512_min_ps(smallest[0], smallest[1]), _mm512_min_ps(smallest[2], smallest[3])));
        if (stretch < 0 || least < value) {
            value = least;
            stretch = s;
        }
    }
    if (blocks < count) {
        const Index tail = FirstSmallest(items, blocks, count - 1);
        if (items[tail] < value) return i + tail;
    }
    const __m512 wanted = _mm512_set1_ps(value);
    for (Index j = stretch;; j += 16) {
        const auto equal = static_cast<unsigned>(_mm512_cmp_ps_mask(_mm512_loadu_ps(items + j), wanted, _CMP_EQ_OQ));
        if (equal != 0) return i + j + __builtin_ctz(equal);
    }
}

SORTING_AVX512_CODE_END
#endif

}  // namespace selection

namespace selection {

// The passes, each finding the first smallest item left with `smallest`: a loop of its own for
// each kernel, so that its speed does not hang on the others' code around it.
template <Index (*smallest)(const float*, Index, Index), typename Watcher>
SORTING_HOT_LOOP void Passes(Items theArray, Watcher& watcher)
{
    const Index numItems = NumItems(theArray);
    float* a = theArray.data();
    for (Index i = 1; i <= numItems - 1; ++i) {
        const Index m = smallest(a, i, numItems);
        std::swap(a[m], a[i]);
        NotePassEnded(watcher, theArray);
    }
}

template <typename Watcher>
struct Kernels {
    static void Portable(Items theArray, Watcher& watcher) { Passes<FirstSmallest>(theArray, watcher); }
#if SORTING_X86
    static void Avx2(Items theArray, Watcher& watcher) { Passes<FirstSmallestAvx2>(theArray, watcher); }
    static void Avx512(Items theArray, Watcher& watcher) { Passes<FirstSmallestAvx512>(theArray, watcher); }
#endif
};

}  // namespace selection

template <typename Watcher>
void SelectionSortFast(Items theArray, Watcher& watcher, Kernel kernel)
{
    InKernel<selection::Kernels<Watcher>>(kernel, theArray, watcher);
}

}  // namespace sorting
