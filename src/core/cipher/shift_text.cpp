#include "core/cipher/shift_text.h"

#include <cstdint>
#include <string_view>

#include "core/cipher/shift_kernels.h"
#include "core/text/text_allocator.h"

namespace shiftpad {
namespace shift_kernels {

std::size_t shift_scalar(const char* in, std::size_t length, std::uint32_t first_position,
                         std::uint32_t sign, char* out) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < length; ++i) {
    const auto position = first_position + static_cast<std::uint32_t>(i);
    const auto byte = static_cast<std::uint8_t>(static_cast<std::uint8_t>(in[i]) + sign * position);
    // Written unconditionally and kept only when not 0: no branch on the data.
    out[kept] = static_cast<char>(byte);
    kept += byte != 0 ? 1 : 0;
  }
  return kept;
}

bool avx512_kernel_runs_here() {
#if defined(SHIFTPAD_HAVE_AVX512_KERNEL)
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi2");
#else
  return false;
#endif
}

bool avx2_kernel_runs_here() {
#if defined(SHIFTPAD_HAVE_AVX2_KERNEL)
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
#else
  return false;
#endif
}

}  // namespace shift_kernels

namespace {

shift_kernels::Kernel choose_kernel() {
#if defined(SHIFTPAD_HAVE_AVX512_KERNEL)
  if (shift_kernels::avx512_kernel_runs_here()) {
    return shift_kernels::shift_avx512;
  }
#endif
#if defined(SHIFTPAD_HAVE_AVX2_KERNEL)
  if (shift_kernels::avx2_kernel_runs_here()) {
    return shift_kernels::shift_avx2;
  }
#endif
#if defined(__SSE2__)
  return shift_kernels::shift_sse2;
#else
  return shift_kernels::shift_scalar;
#endif
}

// Chosen once, on the first call, for the processor the program runs on.
shift_kernels::Kernel fastest_kernel() {
  static const shift_kernels::Kernel kernel = choose_kernel();
  return kernel;
}

}  // namespace

ByteText shift_text(const ByteText& input, ShiftDirection direction) {
  const std::string_view in = input.bytes();
  if (in.empty()) {
    return {};
  }
  const auto sign = static_cast<std::uint32_t>(static_cast<std::int32_t>(direction));
  char* out = allocate_text_block(in.size() + 1);
  const std::size_t kept = fastest_kernel()(in.data(), in.size(), 1, sign, out);
  out[kept] = '\0';
  return ByteText::adopt(out, kept);
}

}  // namespace shiftpad
