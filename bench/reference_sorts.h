#pragma once

// The bare loops the program's sorts are held against: the same algorithms, the same
// comparisons and exchanges, on a plain array a[1..n], with nothing else. They are placed in
// memory like the program's sorts, so that both meet the same fetch alignment.

#include "sorting/hot_loop.h"

#include <cstddef>
#include <memory>
#include <utility>

namespace reference {

SORTING_HOT_LOOP inline void Selection(float* a, std::ptrdiff_t n)
{
    for (std::ptrdiff_t i = 1; i < n; ++i) {
        std::ptrdiff_t m = i;
        for (std::ptrdiff_t j = i + 1; j <= n; ++j) m = a[j] < a[m] ? j : m;
        std::swap(a[m], a[i]);
    }
}

SORTING_HOT_LOOP inline void Insertion(float* a, std::ptrdiff_t n)
{
    for (std::ptrdiff_t i = 2; i <= n; ++i) {
        const float x = a[i];
        std::ptrdiff_t j = i;
        while (a[j - 1] > x && j > 1) {
            std::swap(a[j - 1], a[j]);
            --j;
        }
    }
}

SORTING_HOT_LOOP inline void Bubble(float* a, std::ptrdiff_t n)
{
    for (std::ptrdiff_t pass = 1; pass < n; ++pass)
        for (std::ptrdiff_t i = 1; i + pass <= n; ++i)
            if (a[i] > a[i + 1]) std::swap(a[i], a[i + 1]);
}

SORTING_HOT_LOOP inline void Merge(float* a, std::ptrdiff_t n)
{
    if (n < 2) return;
    const auto t = std::make_unique_for_overwrite<float[]>(static_cast<std::size_t>(n) + 1);
    for (std::ptrdiff_t width = 1; width < n; width *= 2) {
        for (std::ptrdiff_t lo = 1; lo + width <= n; lo += 2 * width) {
            const std::ptrdiff_t mid = lo + width - 1;
            const std::ptrdiff_t hi = lo + 2 * width - 1 < n ? lo + 2 * width - 1 : n;
            for (std::ptrdiff_t k = lo; k <= mid; ++k) t[k] = a[k];
            for (std::ptrdiff_t k = mid + 1; k <= hi; ++k) t[mid + hi + 1 - k] = a[k];
            std::ptrdiff_t i = lo, j = hi;
            for (std::ptrdiff_t k = lo; k <= hi; ++k) {
                const bool left = t[i] < t[j];
                a[k] = left ? t[i] : t[j];
                i += left;
                j -= !left;
            }
        }
    }
}

}  // namespace reference
