// The fast form of each sort, taken when nobody listens, against its observed form: the same
// items after every outer pass and at the end, with each kernel this processor can run.

#include "sorting/counting_observer.h"
#include "sorting/sort_method.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <random>

using sorting::Index;
using sorting::Kernel;
using sorting::SortMethod;

namespace {

// Hears nothing but the end of each outer pass, and keeps the items as they then stand.
struct PassRecorder : sorting::IgnoresSteps {
    std::vector<std::vector<float>> passes;

    void PassEnded(std::span<const float> theArray) { passes.emplace_back(theArray.begin(), theArray.end()); }
};

template <typename Watcher>
void SortFast(SortMethod method, std::vector<float>& theArray, Watcher& watcher, Kernel kernel)
{
    switch (method) {
        case SortMethod::Selection:
            return sorting::SelectionSortFast(theArray, watcher, kernel);
        case SortMethod::Insertion:
            return sorting::InsertionSortFast(theArray, watcher, kernel);
        case SortMethod::Bubble:
            return sorting::BubbleSortFast(theArray, watcher, kernel);
        case SortMethod::Merge:
            return sorting::MergeSortFast(theArray, watcher, kernel);
        case SortMethod::Shell:
            return sorting::ShellSortFast(theArray, watcher, kernel);
        case SortMethod::Radix:
            return sorting::RadixSortFast(theArray, watcher, kernel);
        case SortMethod::Heap:
            return sorting::HeapSortFast(theArray, watcher);
        case SortMethod::NaturalMerge:
            return sorting::NaturalMergeSortFast(theArray, watcher);
        case SortMethod::Bucket:
            return sorting::BucketSortFast(theArray, watcher);
        default:
            return sorting::Sort(method, theArray, watcher);  // the quick family, tested below
    }
}

// The items' bits, so that 0 and -0 count as different.
std::vector<std::uint32_t> Bits(const std::vector<float>& items)
{
    std::vector<std::uint32_t> bits;
    for (float x : items) bits.push_back(std::bit_cast<std::uint32_t>(x));
    return bits;
}

// Items of every kind a run can meet and some it cannot: spread, few distinct values, all
// equal, in order, reversed, and zeros of both signs.
std::vector<float> Items(int size, int kind, std::mt19937& engine)
{
    std::vector<float> items(static_cast<std::size_t>(size) + 1, 0.0f);
    std::uniform_real_distribution<float> spread(0.0f, 1.0f);
    std::uniform_int_distribution<int> few(0, 3);
    for (int i = 1; i <= size; ++i) {
        float& x = items[static_cast<std::size_t>(i)];
        switch (kind) {
            case 0:
                x = spread(engine);
                break;
            case 1:
                x = static_cast<float>(few(engine)) / 4;
                break;
            case 2:
                x = 0.5f;
                break;
            case 3:
                x = static_cast<float>(i) / 512;
                break;
            case 4:
                x = static_cast<float>(size - i) / 512;
                break;
            default:
                x = few(engine) == 0 ? -0.0f : few(engine) == 1 ? 0.0f : static_cast<float>(few(engine)) / 4;
        }
    }
    return items;
}

constexpr int kKinds = 6;

using Case = std::tuple<SortMethod, Kernel>;

class FastForm : public testing::TestWithParam<Case> {
protected:
    SortMethod Method() const { return std::get<0>(GetParam()); }
    Kernel TheKernel() const { return std::get<1>(GetParam()); }

    void SetUp() override
    {
        if (!sorting::Supports(TheKernel()))
            GTEST_SKIP() << "this processor cannot run the " << sorting::KernelName(TheKernel()) << " kernel";
    }
};

}  // namespace

TEST_P(FastForm, LeavesTheSameItemsAsTheObservedForm)
{
    std::mt19937 engine(2026);
    const auto check = [&](int size, int kind) {
        std::vector<float> observed = Items(size, kind, engine);
        std::vector<float> fast = observed;
        sorting::CountingObserver counter;
        sorting::Sort(Method(), observed, counter);
        sorting::NoObserver nobody;
        SortFast(Method(), fast, nobody, TheKernel());
        ASSERT_EQ(Bits(fast), Bits(observed)) << "size " << size << ", kind " << kind;
    };
    for (int size = 0; size <= 300; ++size)
        for (int kind = 0; kind < kKinds; ++kind) check(size, kind);
    // Long enough for the kernels' blocks and stretches to come in numbers, and to end in part.
    for (int size : {1100, 2085, 4099})
        for (int kind : {0, 1, 5}) check(size, kind);
}

TEST_P(FastForm, MatchesTheObservedFormAfterEveryPass)
{
    std::mt19937 engine(12);
    // Short lists in many shapes, then around the kernels' rows of 8 and 16 and the gaps of
    // 13, 40 and 121 of Shell sort.
    std::vector<int> sizes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (int size : {15, 16, 17, 31, 32, 33, 40, 121, 122, 364, 1100}) sizes.push_back(size);
    for (int size : sizes) {
        for (int kind = 0; kind < kKinds; ++kind) {
            for (int round = 0; round < (size <= 12 ? 20 : 1); ++round) {
                std::vector<float> observed = Items(size, kind, engine);
                std::vector<float> fast = observed;
                PassRecorder observedPasses, fastPasses;
                sorting::Sort(Method(), observed, observedPasses);
                SortFast(Method(), fast, fastPasses, TheKernel());
                ASSERT_EQ(fastPasses.passes.size(), observedPasses.passes.size()) << "size " << size;
                for (std::size_t pass = 0; pass < fastPasses.passes.size(); ++pass)
                    ASSERT_EQ(Bits(fastPasses.passes[pass]), Bits(observedPasses.passes[pass]))
                        << "size " << size << ", kind " << kind << ", after pass " << pass + 1;
            }
        }
    }
}

class WindowFastForm : public FastForm {};

TEST_P(WindowFastForm, MakesOnePassPerItemButOne)
{
    std::mt19937 engine(3);
    for (int size : {0, 1, 2, 9, 40}) {
        std::vector<float> items = Items(size, 0, engine);
        PassRecorder passes;
        SortFast(Method(), items, passes, TheKernel());
        // Merge sort makes one pass per doubling of the run width instead.
        const std::size_t expected = Method() == SortMethod::Merge
                                         ? (size < 2 ? 0 : static_cast<std::size_t>(std::bit_width(unsigned(size - 1))))
                                         : static_cast<std::size_t>(size < 2 ? 0 : size - 1);
        EXPECT_EQ(passes.passes.size(), expected) << "size " << size;
    }
}

std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    std::string name = std::string(sorting::MethodName(std::get<0>(info.param))) +
                       std::string(sorting::KernelName(std::get<1>(info.param)));
    std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return name;
}

const auto kWindowCases =
    testing::Combine(testing::ValuesIn(sorting::kWindowMethods), testing::ValuesIn(sorting::kKernels));
INSTANTIATE_TEST_SUITE_P(MethodsAndKernels, FastForm, kWindowCases, CaseName);
INSTANTIATE_TEST_SUITE_P(MethodsAndKernels, WindowFastForm, kWindowCases, CaseName);
// Of the others, Shell sort's insertion and radix sort's counting have wider kernels.
INSTANTIATE_TEST_SUITE_P(WideMethods, FastForm,
                         testing::Combine(testing::Values(SortMethod::Shell, SortMethod::Radix),
                                          testing::ValuesIn(sorting::kKernels)),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(OneFormMethods, FastForm,
                         testing::Combine(testing::Values(SortMethod::Heap, SortMethod::NaturalMerge,
                                                          SortMethod::Bucket),
                                          testing::Values(Kernel::Portable)),
                         CaseName);

TEST(QuickFamily, PartitionsUnwatchedAsWatchedAndSortsToTheSameItems)
{
    using sorting::quick::Line;
    const sorting::quick::PartitionLines<Line> lines{Line::Compare, Line::Exchange, Line::Place};
    const auto quiet = [](auto...) {};
    std::mt19937 engine(7);
    // Around the intro sort's parts of 16 and the kinds of items above.
    for (int size : {2, 3, 15, 16, 17, 100, 1024, 1025})
        for (int kind = 0; kind < kKinds; ++kind) {
            const std::vector<float> items = Items(size, kind, engine);
            std::vector<float> watched = items, unwatched = items;
            sorting::CountingObserver counter;
            sorting::NoObserver nobody;
            EXPECT_EQ(sorting::quick::Partition(watched, 1, size, counter, lines, quiet),
                      sorting::quick::Partition(unwatched, 1, size, nobody, lines, quiet));
            EXPECT_EQ(Bits(watched), Bits(unwatched)) << size << " items of kind " << kind;
            watched = unwatched = items;
            const auto threeWay = sorting::quick::ThreeWayPartition(watched, 1, size, counter);
            const auto threeWayUnwatched = sorting::quick::ThreeWayPartition(unwatched, 1, size, nobody);
            EXPECT_EQ(std::pair(threeWay.leftHi, threeWay.rightLo),
                      std::pair(threeWayUnwatched.leftHi, threeWayUnwatched.rightLo));
            EXPECT_EQ(Bits(watched), Bits(unwatched)) << "three-way, " << size << " items of kind " << kind;
            for (SortMethod method : {SortMethod::Quick, SortMethod::MedianQuick, SortMethod::Intro,
                                      SortMethod::ThreeWayQuick}) {
                watched = unwatched = items;
                sorting::Sort(method, watched, counter);
                sorting::Sort(method, unwatched, nobody);
                EXPECT_EQ(Bits(watched), Bits(unwatched)) << sorting::MethodName(method) << " " << size << " " << kind;
            }
        }
}

// A kernel the processor has must not go unused, nor its tests be skipped: what the kernel
// needs is read from the processor's own flags as the system reports them.
TEST(Kernels, EveryKernelTheProcessorReportsIsSupported)
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line) && !line.starts_with("flags")) {
    }
    if (line.empty()) GTEST_SKIP() << "the system reports no processor flags here (no /proc/cpuinfo)";
    std::istringstream words(line.substr(line.find(':') + 1));
    const std::set<std::string> flags{std::istream_iterator<std::string>(words), {}};
    const auto has = [&](std::initializer_list<const char*> needed) {
        return std::ranges::all_of(needed, [&](const char* flag) { return flags.contains(flag); });
    };
    const std::pair<Kernel, bool> kernels[] = {{Kernel::Avx2, has({"avx2"})},
                                               {Kernel::Avx512, has({"avx512f", "avx512vl", "avx512bw", "avx512dq"})}};
    for (const auto& [kernel, reported] : kernels)
        EXPECT_TRUE(!reported || sorting::Supports(kernel)) << sorting::KernelName(kernel) << " reported but unused";
}
