#pragma once

#include <cstddef>
#include <cstdint>

namespace shiftpad::shift_kernels {

// A kernel shifts `length` bytes of `in`, the first of which sits at the 1-based
// `first_position`, by sign x position mod 256 (sign is 1 or 0xFFFFFFFF, that is -1),
// writes the bytes that are not 0 to `out`, which has room for `length` bytes, and
// returns how many it wrote.
using Kernel = std::size_t (*)(const char* in, std::size_t length, std::uint32_t first_position,
                               std::uint32_t sign, char* out);

std::size_t shift_scalar(const char* in, std::size_t length, std::uint32_t first_position,
                         std::uint32_t sign, char* out);

#if defined(__SSE2__)
std::size_t shift_sse2(const char* in, std::size_t length, std::uint32_t first_position,
                       std::uint32_t sign, char* out);
#endif

// Only where the compiler can build it for a run-time choice: GCC or Clang on x86-64.
#if defined(__x86_64__) && defined(__GNUC__)
#define SHIFTPAD_HAVE_AVX512_KERNEL 1
#define SHIFTPAD_HAVE_AVX2_KERNEL 1
// Needs AVX-512 BW and VBMI2: call only where avx512_kernel_runs_here() is true.
std::size_t shift_avx512(const char* in, std::size_t length, std::uint32_t first_position,
                         std::uint32_t sign, char* out);
// Needs AVX2: call only where avx2_kernel_runs_here() is true.
std::size_t shift_avx2(const char* in, std::size_t length, std::uint32_t first_position,
                       std::uint32_t sign, char* out);
#endif

// Whether this processor and system can run shift_avx512.
bool avx512_kernel_runs_here();

// Whether this processor and system can run shift_avx2.
bool avx2_kernel_runs_here();

}  // namespace shiftpad::shift_kernels
