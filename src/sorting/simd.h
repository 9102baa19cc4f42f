#pragma once

// Wider instructions only where the processor has them: the fast forms of the sorts carry an
// AVX2 kernel for x86 processors that report it, and a plain loop for every other processor,
// so that the program still runs on any x86-64 and builds on other architectures.

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SORTING_X86 1
#define SORTING_AVX2 [[gnu::target("avx2")]]
#else
#define SORTING_X86 0
#endif

namespace sorting {

enum class Kernel { Portable, Avx2 };

// The fastest kernel this processor can run; asked once.
inline Kernel BestKernel()
{
#if SORTING_X86
    static const Kernel best = __builtin_cpu_supports("avx2") ? Kernel::Avx2 : Kernel::Portable;
    return best;
#else
    return Kernel::Portable;
#endif
}

}  // namespace sorting
