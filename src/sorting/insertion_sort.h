#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/simd.h"
#include "sorting/sort_observer.h"
#include "sorting/swap.h"

#include <cstring>

namespace sorting {

template <typename Watcher>
SORTING_HOT_LOOP void InsertionSortFast(Items theArray, Watcher& watcher, Kernel kernel = BestKernel());

namespace insertion {

enum class Line { Item, Compare, Exchange, End };
inline constexpr CodeLine kCode[] = {
    {Line::Item, "item", SORTING_WORDS("Code", "for i = 2 to n")},
    {Line::Compare, "compare", SORTING_WORDS("Code", "  j = i; while item j - 1 > item j (element 0 holds 0)")},
    {Line::Exchange, "exchange", SORTING_WORDS("Code", "    exchange items j - 1 and j; j = j - 1")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value i{}, j{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "i"), &Variables::i},
                                                     {SORTING_WORDS("Code", "j"), &Variables::j}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

}  // namespace insertion

// Each item moves down by exchanges with its left neighbour while that one is greater. The
// test at j = 1 reads element 0, which holds 0 and so never lets an item pass.
template <SortObserver Observer>
SORTING_HOT_LOOP void InsertionSort(Items theArray, Observer& observer)
{
    if constexpr (!kListens<Observer>) {
        InsertionSortFast(theArray, observer);
    } else {
        const Index numItems = NumItems(theArray);
        for (Index i = 2; i <= numItems; ++i) {
            const float inserted = theArray[i];
            Index j = i;
            for (;;) {
                NoteLine(observer, insertion::Line::Compare, insertion::Variables{.i = i, .j = j});
                observer.Compared(j - 1, j);
                if (!(theArray[j - 1] > inserted && j > 1)) break;
                NoteLine(observer, insertion::Line::Exchange, insertion::Variables{.i = i, .j = j});
                Swap(theArray, j - 1, j, observer);
                --j;
            }
            NotePassEnded(observer, theArray);
        }
    }
}

// Items lo to hi sorted in place by insertion, as the parts of other sorts are: each item
// moves down by exchanges while the one before it, within the range, is greater. `note()`
// tells the code of the sort that uses it, before each step, where the steps come from.
template <SortObserver Observer, typename Note>
inline void InsertionSortRange(Items theArray, Index lo, Index hi, Observer& observer, Note note)
{
    for (Index i = lo + 1; i <= hi; ++i) {
        for (Index j = i; j > lo; --j) {
            note();
            observer.Compared(j, j - 1);
            if (!(theArray[j] < theArray[j - 1])) break;
            note();
            Swap(theArray, j, j - 1, observer);
        }
    }
}

// The fast form makes the same passes and moves each item down past the same neighbours,
// the greater ones; since the exchanges only carry the inserted item down, it moves those
// neighbours up one place each and writes the item once, where the exchanges leave it.
namespace insertion {

// Where item i comes to stand: below every greater item of the ordered items 1 to i - 1.
inline Index PlaceOf(const float* a, Index i, float inserted)
{
    Index j = i;
    while (j > 1 && a[j - 1] > inserted) --j;
    return j;
}

// Without wider instructions, the greater neighbours move up as they are met, in one sweep.
inline void InsertPortable(float* a, Index i)
{
    const float inserted = a[i];
    Index j = i;
    for (; j > 1 && a[j - 1] > inserted; --j) a[j] = a[j - 1];
    a[j] = inserted;
}

#if SORTING_X86
// The same tests, eight neighbours at a time: since items 1 to i - 1 are in order, the
// greater ones of any eight are the upper ones, and their count is how far the item moves.
SORTING_AVX2 inline Index PlaceOfAvx2(const float* a, Index i, float inserted)
{
    const __m256 item = _mm256_set1_ps(inserted);
    Index j = i;
    while (j - 8 >= 1) {
        const auto greater =
            static_cast<unsigned>(_mm256_movemask_ps(_mm256_cmp_ps(_mm256_loadu_ps(a + j - 8), item, _CMP_GT_OQ)));
        // The greater ones are the upper lanes, from the lowest lane set. The step to the
        // next eight does not wait for the count, so the next load need not either.
        if (greater != 0xFFu) return greater == 0 ? j : j - 8 + static_cast<Index>(__builtin_ctz(greater));
        j -= 8;
    }
    return PlaceOf(a, j, inserted);
}

SORTING_AVX512_CODE_BEGIN

// Sixteen neighbours at a time.
SORTING_AVX512 inline Index PlaceOfAvx512(const float* a, Index i, float inserted)
{
    const __m512 item = _mm512_set1_ps(inserted);
    Index j = i;
    while (j - 16 >= 1) {
        const auto greater = static_cast<unsigned>(_mm512_cmp_ps_mask(_mm512_loadu_ps(a + j - 16), item, _CMP_GT_OQ));
        if (greater != 0xFFFFu) return greater == 0 ? j : j - 16 + static_cast<Index>(__builtin_ctz(greater));
        j -= 16;
    }
    return PlaceOf(a, j, inserted);
}

SORTING_AVX512_CODE_END
#endif

}  // namespace insertion

namespace insertion {

// Where the wider kernels find the item's place, the greater neighbours move up at once.
template <Index (*placeOf)(const float*, Index, float)>
inline void InsertAtPlace(float* a, Index i)
{
    const float inserted = a[i];
    const Index j = placeOf(a, i, inserted);
    if (j < i) {
        std::memmove(a + j + 1, a + j, static_cast<std::size_t>(i - j) * sizeof(float));
        a[j] = inserted;
    }
}

template <void (*insert)(float*, Index), typename Watcher>
SORTING_HOT_LOOP void Passes(Items theArray, Watcher& watcher)
{
    const Index numItems = NumItems(theArray);
    for (Index i = 2; i <= numItems; ++i) {
        insert(theArray.data(), i);
        NotePassEnded(watcher, theArray);
    }
}

template <typename Watcher>
struct Kernels {
    static void Portable(Items theArray, Watcher& watcher) { Passes<InsertPortable>(theArray, watcher); }
#if SORTING_X86
    static void Avx2(Items theArray, Watcher& watcher) { Passes<InsertAtPlace<PlaceOfAvx2>>(theArray, watcher); }
    static void Avx512(Items theArray, Watcher& watcher) { Passes<InsertAtPlace<PlaceOfAvx512>>(theArray, watcher); }
#endif
};

}  // namespace insertion

template <typename Watcher>
void InsertionSortFast(Items theArray, Watcher& watcher, Kernel kernel)
{
    InKernel<insertion::Kernels<Watcher>>(kernel, theArray, watcher);
}

}  // namespace sorting
