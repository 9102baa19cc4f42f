#pragma once

#include "platform/words.h"
#include "sorting/hot_loop.h"
#include "sorting/insertion_sort.h"
#include "sorting/sort_observer.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace sorting {

template <typename Watcher>
SORTING_HOT_LOOP void BucketSortFast(Items theArray, Watcher& watcher);

namespace bucket {

enum class Line { Largest, Scatter, Gather, Sort, End };
inline constexpr CodeLine kCode[] = {
    {Line::Largest, "largest", SORTING_WORDS("Code", "m = the largest item: read every item")},
    {Line::Scatter, "scatter",
     SORTING_WORDS("Code", "for i = 1 to n: copy item i out to bucket b = floor(n × item i / m), at most n - 1")},
    {Line::Gather, "gather", SORTING_WORDS("Code", "for each bucket b in turn, write its copies back, from item k on")},
    {Line::Sort, "sort", SORTING_WORDS("Code", "sort the items of each bucket b by insertion")},
};
static_assert(OneLineEachInOrder<Line>(kCode));

struct Variables {
    Value m{}, i{}, b{}, k{};
};
inline constexpr Variable<Variables> kVariables[] = {{SORTING_WORDS("Code", "m"), &Variables::m},
                                                     {SORTING_WORDS("Code", "i"), &Variables::i},
                                                     {SORTING_WORDS("Code", "b"), &Variables::b},
                                                     {SORTING_WORDS("Code", "k"), &Variables::k}};
static_assert(EveryVariableNamed(kVariables));
constexpr const auto& VariablesOf(const Variables&) { return kVariables; }

// The bucket of an item among `buckets`: the share of the largest item it is, at most the
// last; every item in the first where the largest is 0.
inline std::uint32_t Of(float item, float largest, Index buckets)
{
    if (!(largest > 0)) return 0;
    const auto share = static_cast<Index>(static_cast<double>(buckets) * item / largest);
    return static_cast<std::uint32_t>(std::clamp<Index>(share, 0, buckets - 1));
}

}  // namespace bucket

// The scratch area, each copy's bucket, where each bucket ends, and the copies' order.
constexpr std::uint64_t BucketBytes(Index numItems)
{
    return numItems < 1 ? 0 : (static_cast<std::uint64_t>(numItems) + 2) * (sizeof(float) + 3 * sizeof(std::uint32_t));
}

// As many buckets as items, each for an equal share of the values up to the largest item: the
// largest is found (a read of each item), the items are copied, in the array's order, into
// their buckets in a scratch area, then written back bucket after bucket, and each bucket's
// stretch of the array is sorted by insertion. Equal items keep their order.
template <SortObserver Observer>
SORTING_HOT_LOOP void BucketSort(Items theArray, Observer& observer)
{
    if constexpr (!kListens<Observer>) return BucketSortFast(theArray, observer);
    const auto numItems = NumItems(theArray);
    if (numItems < 1) return;
    float largest = theArray[1];
    for (Index i = 1; i <= numItems; ++i) {
        NoteLine(observer, bucket::Line::Largest, bucket::Variables{.m = largest, .i = i});
        observer.Read(i);
        largest = theArray[i] > largest ? theArray[i] : largest;
    }
    const auto size = static_cast<std::size_t>(numItems) + 2;
    const auto scratch = std::make_unique_for_overwrite<float[]>(size);
    std::vector<std::uint32_t> bucketOf(size), end(size), order(size);
    for (Index i = 1; i <= numItems; ++i) {
        bucketOf[i] = bucket::Of(theArray[i], largest, numItems);
        NoteLine(observer, bucket::Line::Scatter, bucket::Variables{.m = largest, .i = i, .b = bucketOf[i]});
        scratch[i] = theArray[i];
        observer.Moved(i, ScratchPlace(i));
        ++end[bucketOf[i] + 1];
    }
    end[0] = 1;
    for (std::size_t b = 1; b < size; ++b) end[b] += end[b - 1];
    // The copies bucket by bucket, each bucket in the order its items came: end[b] goes on
    // from where bucket b begins to where the next one does.
    for (Index i = 1; i <= numItems; ++i) order[end[bucketOf[i]]++] = static_cast<std::uint32_t>(i);
    for (Index k = 1; k <= numItems; ++k) {
        NoteLine(observer, bucket::Line::Gather, bucket::Variables{.m = largest, .b = bucketOf[order[k]], .k = k});
        theArray[k] = scratch[order[k]];
        observer.Moved(ScratchPlace(order[k]), k);
    }
    NotePassEnded(observer, theArray);
    for (Index b = 0; b < numItems; ++b)
        InsertionSortRange(theArray, b == 0 ? 1 : end[std::size_t(b) - 1], Index(end[std::size_t(b)]) - 1, observer,
                           [&] { NoteLine(observer, bucket::Line::Sort, bucket::Variables{.m = largest, .b = b}); });
    NotePassEnded(observer, theArray);
}

// The fast form leaves the same items after the buckets are written back and at the end: the
// items of each bucket are counted first, so that each copy goes straight to its bucket's
// place, in the order the items came. The buckets are then sorted by one insertion pass over
// all the items, which moves the greater items up and writes the item once, where the
// exchanges leave it: no item of a bucket is greater than one of a later bucket, so no item
// moves past its bucket's start, and the pass makes the moves of the buckets' own sorts
// without a loop over the buckets, most of which hold one item or none.
template <typename Watcher>
SORTING_HOT_LOOP void BucketSortFast(Items theArray, Watcher& watcher)
{
    const auto numItems = NumItems(theArray);
    if (numItems < 1) return;
    float* a = theArray.data();
    float largest = a[1];
    for (Index i = 1; i <= numItems; ++i) largest = a[i] > largest ? a[i] : largest;
    const auto size = static_cast<std::size_t>(numItems) + 2;
    {
        std::vector<std::uint32_t> bucketOf(size), next(size);  // where each bucket's next copy goes
        for (Index i = 1; i <= numItems; ++i) ++next[(bucketOf[i] = bucket::Of(a[i], largest, numItems)) + 1];
        next[0] = 1;
        for (std::size_t b = 1; b < size; ++b) next[b] += next[b - 1];
        const auto scratch = std::make_unique_for_overwrite<float[]>(size);
        for (Index i = 1; i <= numItems; ++i) scratch[next[bucketOf[i]]++] = a[i];
        std::copy(scratch.get() + 1, scratch.get() + numItems + 1, a + 1);
    }
    NotePassEnded(watcher, theArray);
    for (Index i = 2; i <= numItems; ++i) {
        const float item = a[i];
        Index j = i;
        for (; j > 1 && item < a[j - 1]; --j) a[j] = a[j - 1];
        a[j] = item;
    }
    NotePassEnded(watcher, theArray);
}

}  // namespace sorting
