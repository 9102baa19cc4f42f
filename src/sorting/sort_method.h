#pragma once

#include "platform/rgb.h"
#include "platform/words.h"
#include "sorting/bubble_sort.h"
#include "sorting/bucket_sort.h"
#include "sorting/heap_sort.h"
#include "sorting/insertion_sort.h"
#include "sorting/intro_sort.h"
#include "sorting/median_quick_sort.h"
#include "sorting/merge_sort.h"
#include "sorting/natural_merge_sort.h"
#include "sorting/quick_sort.h"
#include "sorting/radix_sort.h"
#include "sorting/selection_sort.h"
#include "sorting/shell_sort.h"
#include "sorting/three_way_quick_sort.h"
#include "sorting/work_growth.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

namespace sorting {

// The window's four methods first, in its list's order, so that a list index is a method.
enum class SortMethod {
    Selection,
    Insertion,
    Bubble,
    Merge,
    Shell,
    Heap,
    Quick,
    MedianQuick,
    ThreeWayQuick,
    Intro,
    NaturalMerge,
    Radix,
    Bucket
};

// The families of methods: those of one family share a colour in a chart, each with a line of
// its own, and stand together in a menu.
enum class Family { Insertion, Selection, Exchange, Quick, Merge, Distribution };
enum class Line { Solid, Dashed, Dotted, DashDotted };

// What the programs know of a method beside its sort.
struct MethodFacts {
    SortMethod method;
    std::string_view key;   // as a command line names it: "quick"
    std::string_view name;  // as a report and a panel name it: "Quick"
    bool inWindow;          // the window's list offers it
    bool stable;            // equal items always keep their order
    bool merges;            // it changes the items by merges, not exchanges
    Family family;
    std::uint64_t (*extraBytes)(Index numItems);  // the memory it needs beside the items, at the most
    GrowthByOrder growth;                         // how its work grows on each initial order
    platform::Colour colour;                      // its family's colour in the growth chart
    Line line;                                    // and its own line there
    std::string_view description;                 // one line, for the help and the manual
    MethodCode code;                              // as a class reads it beside the bars
};

template <typename SortFunction>
struct MethodRow {
    MethodFacts facts;
    SortFunction sort;
};
// Spelled out for clang, which builds the fuzz targets and deduces no aggregate's arguments.
template <typename SortFunction>
MethodRow(MethodFacts, SortFunction) -> MethodRow<SortFunction>;

constexpr std::uint64_t NoExtraBytes(Index) { return 0; }

inline constexpr platform::Colour kBlue = platform::RGB(31, 119, 180), kGreen = platform::RGB(44, 160, 44),
                                  kRed = platform::RGB(214, 39, 40), kPurple = platform::RGB(148, 103, 189),
                                  kBrown = platform::RGB(140, 86, 75), kOrange = platform::RGB(230, 110, 0);

// The method table, in the order of SortMethod: one row a method, its facts and its sort.
// A new method is its header, its name in SortMethod, its row here, and its tests.
inline constexpr std::tuple kMethodTable{
    MethodRow{MethodFacts{SortMethod::Selection, "selection", SORTING_WORDS("method", "Selection"), true, false, false,
                          Family::Selection, NoExtraBytes, Everywhere(kQuadratic), kBlue, Line::Solid,
                          SORTING_WORDS("method", "picks the smallest item left and exchanges it into place"),
                          MethodCode{selection::kCode, kNamesOf<selection::kVariables>}},
              [](Items a, auto& observer) { SelectionSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::Insertion, "insertion", SORTING_WORDS("method", "Insertion"), true, true, false,
                          Family::Insertion, NoExtraBytes,
                          GrowthByOrder{kQuadratic, kLinear, kQuadratic, kLinear, kQuadratic}, kGreen, Line::Solid,
                          SORTING_WORDS("method", "moves each item down past the greater items before it"),
                          MethodCode{insertion::kCode, kNamesOf<insertion::kVariables>}},
              [](Items a, auto& observer) { InsertionSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::Bubble, "bubble", SORTING_WORDS("method", "Bubble"), true, true, false,
                          Family::Exchange, NoExtraBytes, Everywhere(kQuadratic), kRed, Line::Solid,
                          SORTING_WORDS("method", "exchanges neighbours out of order, pass after pass"),
                          MethodCode{bubble::kCode, kNamesOf<bubble::kVariables>}},
              [](Items a, auto& observer) { BubbleSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::Merge, "merge", SORTING_WORDS("method", "Merge"), true, false, true,
                          Family::Merge, MergeScratchBytes, Everywhere(kLinearithmic), kPurple, Line::Solid,
                          SORTING_WORDS("method", "merges neighbouring runs of 1, 2, 4, ... items, bottom up"),
                          MethodCode{merge::kCode, kNamesOf<merge::kVariables>}},
              [](Items a, auto& observer) { MergeSort(a, observer); }},
    MethodRow{
        MethodFacts{SortMethod::Shell, "shell", SORTING_WORDS("method", "Shell"), false, false, false,
                    Family::Insertion, NoExtraBytes,
                    GrowthByOrder{kShellGrowth, kLinearithmic, kShellGrowth, kLinearithmic, kLinearithmic}, kGreen,
                    Line::Dashed, SORTING_WORDS("method", "insertion sort of items h apart, for h = ..., 13, 4, 1"),
                    MethodCode{shell::kCode, kNamesOf<shell::kVariables>}},
        [](Items a, auto& observer) { ShellSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::Heap, "heap", SORTING_WORDS("method", "Heap"), false, false, false,
                          Family::Selection, NoExtraBytes, Everywhere(kLinearithmic), kBlue, Line::Dashed,
                          SORTING_WORDS("method", "builds a heap, then takes its largest item off, one by one"),
                          MethodCode{heap::kCode, kNamesOf<heap::kVariables>}},
              [](Items a, auto& observer) { HeapSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::Quick, "quick", SORTING_WORDS("method", "Quick"), false, false, false,
                          Family::Quick, QuickStackBytes,
                          GrowthByOrder{kLinearithmic, kQuadratic, kQuadratic, kQuadratic, kQuadratic}, kBrown,
                          Line::Solid, SORTING_WORDS("method", "partitions around the last item, then sorts each part"),
                          MethodCode{quick::kCode, kNamesOf<quick::kVariables>}},
              [](Items a, auto& observer) { QuickSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::MedianQuick, "median-quick", SORTING_WORDS("method", "Median quick"), false,
                          false, false, Family::Quick, QuickStackBytes,
                          GrowthByOrder{kLinearithmic, kLinearithmic, kLinearithmic, kLinearithmic, kQuadratic}, kBrown,
                          Line::Dashed, SORTING_WORDS("method", "quick sort around the median of three items"),
                          MethodCode{median_quick::kCode, kNamesOf<median_quick::kVariables>}},
              [](Items a, auto& observer) { MedianQuickSort(a, observer); }},
    MethodRow{
        MethodFacts{SortMethod::ThreeWayQuick, "three-way-quick", SORTING_WORDS("method", "3-way quick"), false, false,
                    false, Family::Quick, QuickStackBytes,
                    GrowthByOrder{kLinearithmic, kThreeHalves, kQuadratic, kThreeHalves, kLinear}, kBrown, Line::Dotted,
                    SORTING_WORDS("method", "parts into less than, equal to and greater than the pivot"),
                    MethodCode{three_way_quick::kCode, kNamesOf<three_way_quick::kVariables>}},
        [](Items a, auto& observer) { ThreeWayQuickSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::Intro, "intro", SORTING_WORDS("method", "Intro"), false, false, false,
                          Family::Quick, QuickStackBytes, Everywhere(kLinearithmic), kBrown, Line::DashDotted,
                          SORTING_WORDS("method", "median quick, small parts by insertion, heap when too deep"),
                          MethodCode{intro::kCode, kNamesOf<intro::kVariables>}},
              [](Items a, auto& observer) { IntroSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::NaturalMerge, "natural-merge", SORTING_WORDS("method", "Natural merge"), false,
                          true, true, Family::Merge, NaturalMergeBytes,
                          GrowthByOrder{kLinearithmic, kLinear, kLinearithmic, kLinearithmic, kLinearithmic}, kPurple,
                          Line::Dashed, SORTING_WORDS("method", "merges the runs the items already stand in"),
                          MethodCode{natural_merge::kCode, kNamesOf<natural_merge::kVariables>}},
              [](Items a, auto& observer) { NaturalMergeSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::Radix, "radix", SORTING_WORDS("method", "Radix"), false, true, false,
                          Family::Distribution, RadixBytes, Everywhere(kLinear), kOrange, Line::Solid,
                          SORTING_WORDS("method", "four passes by one byte of each item, with no comparison"),
                          MethodCode{radix::kCode, kNamesOf<radix::kVariables>}},
              [](Items a, auto& observer) { RadixSort(a, observer); }},
    MethodRow{MethodFacts{SortMethod::Bucket, "bucket", SORTING_WORDS("method", "Bucket"), false, true, false,
                          Family::Distribution, BucketBytes, Everywhere(kLinear), kOrange, Line::Dashed,
                          SORTING_WORDS("method", "a bucket for each share of the largest, then insertion"),
                          MethodCode{bucket::kCode, kNamesOf<bucket::kVariables>}},
              [](Items a, auto& observer) { BucketSort(a, observer); }},
};

inline constexpr std::array kMethodFacts =
    std::apply([](const auto&... row) { return std::array{row.facts...}; }, kMethodTable);

constexpr bool InTableOrder()
{
    for (std::size_t i = 0; i < kMethodFacts.size(); ++i)
        if (kMethodFacts[i].method != static_cast<SortMethod>(i)) return false;
    return true;
}
static_assert(InTableOrder(), "the method table's rows stand in the order of SortMethod");

constexpr const MethodFacts& Facts(SortMethod method) { return kMethodFacts[static_cast<std::size_t>(method)]; }
constexpr std::string_view MethodName(SortMethod method) { return Facts(method).name; }
// The name in the user's language, where a program speaks it.
inline std::string MethodTitle(SortMethod method) { return platform::Words("method", MethodName(method).data()); }
constexpr std::string_view MethodKey(SortMethod method) { return Facts(method).key; }

// The memory a method needs beyond the items, at the most: a scratch area, the parts waiting
// to be sorted.
constexpr std::uint64_t ExtraBytes(SortMethod method, Index numItems) { return Facts(method).extraBytes(numItems); }

constexpr const Growth& WorkGrowth(SortMethod method, InitialOrder order)
{
    return Facts(method).growth[static_cast<std::size_t>(order)];
}

namespace method_table {

template <bool windowOnly>
constexpr auto Methods()
{
    constexpr std::size_t count = [] {
        std::size_t n = 0;
        for (const MethodFacts& facts : kMethodFacts) n += !windowOnly || facts.inWindow;
        return n;
    }();
    std::array<SortMethod, count> methods{};
    std::size_t next = 0;
    for (const MethodFacts& facts : kMethodFacts)
        if (!windowOnly || facts.inWindow) methods[next++] = facts.method;
    return methods;
}

}  // namespace method_table

inline constexpr auto kAllMethods = method_table::Methods<false>();
inline constexpr auto kWindowMethods = method_table::Methods<true>();

constexpr bool WindowMethodsFirst()
{
    for (std::size_t i = 0; i < kWindowMethods.size(); ++i)
        if (kWindowMethods[i] != static_cast<SortMethod>(i)) return false;
    return true;
}
static_assert(WindowMethodsFirst(), "the window's methods lead the table, so that a list index is a method");

template <SortObserver Observer>
void Sort(SortMethod method, Items theArray, Observer& observer)
{
    std::apply([&](const auto&... row) { ((row.facts.method == method ? row.sort(theArray, observer) : void()), ...); },
               kMethodTable);
}

}  // namespace sorting
