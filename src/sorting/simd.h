#pragma once

// Wider instructions only where the processor has them: the fast forms of the sorts carry
// AVX-512 and AVX2 kernels for x86 processors that report them, and plain loops for every
// other processor, so that the program still runs on any x86-64 and builds on other
// architectures. The kernel is chosen once, at run time.

#include <array>
#include <atomic>
#include <optional>
#include <string_view>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SORTING_X86 1
#define SORTING_AVX2 [[gnu::target("avx2")]]
#define SORTING_AVX512 [[gnu::target("avx512f,avx512vl,avx512bw,avx512dq")]]
#else
#define SORTING_X86 0
#endif

// GCC 12 takes the lanes that the AVX-512 intrinsics leave undefined on purpose for values
// used uninitialised; the kernels written with them stand between these two.
#if defined(__GNUC__) && !defined(__clang__)
#define SORTING_AVX512_CODE_BEGIN                                                        \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wuninitialized\"") \
        _Pragma("GCC diagnostic ignored \"-Wmaybe-uninitialized\"")
#define SORTING_AVX512_CODE_END _Pragma("GCC diagnostic pop")
#else
#define SORTING_AVX512_CODE_BEGIN
#define SORTING_AVX512_CODE_END
#endif

namespace sorting {

enum class Kernel { Portable, Avx2, Avx512 };

inline constexpr std::array<Kernel, 3> kKernels{Kernel::Portable, Kernel::Avx2, Kernel::Avx512};

constexpr std::string_view KernelName(Kernel kernel)
{
    constexpr std::array<std::string_view, 3> names{"portable", "AVX2", "AVX-512"};
    return names[static_cast<std::size_t>(kernel)];
}

// Whether this processor can run the kernel: AVX-512 needs its F, VL, BW and DQ parts.
inline bool Supports(Kernel kernel)
{
#if SORTING_X86
    static const bool avx2 = __builtin_cpu_supports("avx2");
    static const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
                               __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq");
    return kernel == Kernel::Portable || (kernel == Kernel::Avx2 && avx2) || (kernel == Kernel::Avx512 && avx512);
#else
    return kernel == Kernel::Portable;
#endif
}

namespace detail {
inline std::atomic<int> forcedKernel{-1};
}

// Makes every fast form that is not given a kernel take this one, so that the tests and the
// benchmarks can run each kernel the processor has; nothing goes back to the fastest. A kernel
// the processor lacks is refused: false.
inline bool ForceKernel(std::optional<Kernel> kernel)
{
    if (kernel && !Supports(*kernel)) return false;
    detail::forcedKernel = kernel ? static_cast<int>(*kernel) : -1;
    return true;
}

// The kernel forced, or else the fastest this processor can run.
inline Kernel BestKernel()
{
    const int forced = detail::forcedKernel;
    if (forced >= 0) return static_cast<Kernel>(forced);
    static const Kernel best = Supports(Kernel::Avx512) ? Kernel::Avx512
                               : Supports(Kernel::Avx2) ? Kernel::Avx2
                                                        : Kernel::Portable;
    return best;
}

// Runs a loop in the kernel's form: `Forms::Portable`, `Forms::Avx2` or `Forms::Avx512`, static
// functions of the same arguments, the wider two only on x86, where the build has them.
template <typename Forms, typename... Arguments>
[[gnu::always_inline]] inline decltype(auto) InKernel(Kernel kernel, Arguments&&... arguments)
{
#if SORTING_X86
    if (kernel == Kernel::Avx512) return Forms::Avx512(std::forward<Arguments>(arguments)...);
    if (kernel == Kernel::Avx2) return Forms::Avx2(std::forward<Arguments>(arguments)...);
#endif
    (void)kernel;
    return Forms::Portable(std::forward<Arguments>(arguments)...);
}

}  // namespace sorting
