// The memory each method takes beside its items, measured by an allocator that counts, held
// under what the memory check reserves for it.

#include "sorting/counting_observer.h"
#include "sorting/initial_order.h"
#include "sorting/sort_method.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

// Every allocation of this program, counted: what is held now, and the most held since reset.
std::size_t held = 0, peak = 0;
constexpr std::size_t kHeader = alignof(std::max_align_t);  // before each block: its size

}  // namespace

// Not inlined, so that the compiler never sees a block of operator new freed by free().
[[gnu::noinline]] void* operator new(std::size_t size)
{
    auto* block = static_cast<std::byte*>(std::malloc(size + kHeader));
    if (!block) throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    held += size;
    peak = std::max(peak, held);
    return block + kHeader;
}

[[gnu::noinline]] void operator delete(void* p) noexcept
{
    if (!p) return;
    std::byte* block = static_cast<std::byte*>(p) - kHeader;
    held -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

// The most a sort held at once beside what was held before it began.
template <typename Observer>
std::size_t PeakOfSort(sorting::SortMethod method, std::vector<float> items)
{
    Observer observer;
    peak = held;
    const std::size_t before = held;
    sorting::Sort(method, items, observer);
    return peak - before;
}

}  // namespace

TEST(ExtraMemory, EveryMethodOnEveryOrderTakesNoMoreThanItsReserve)
{
    // Two sizes, the larger odd, so that the last run or part stands alone; a quadratic method
    // takes a smaller one, the same for its memory.
    for (sorting::SortMethod method : sorting::kAllMethods)
        for (sorting::InitialOrder order : sorting::kInitialOrders) {
            const bool slow = sorting::WorkGrowth(method, order).power > 1.25;
            for (std::int32_t count : {1000, slow ? 4001 : 131073}) {
                const std::vector<float> items = sorting::MakeItems(count, 1, order);
                const std::uint64_t reserve = sorting::ExtraBytes(method, count);
                const std::size_t plain = PeakOfSort<sorting::NoObserver>(method, items);
                const std::size_t counting = PeakOfSort<sorting::CountingObserver>(method, items);
                EXPECT_LE(std::max(plain, counting), reserve)
                    << sorting::MethodName(method) << " on " << sorting::OrderName(order) << " at " << count;
            }
        }
}
