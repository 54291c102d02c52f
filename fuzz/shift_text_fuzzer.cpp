// Feeds arbitrary bytes to shift_text and to each kernel this processor runs, in both
// directions, and checks them against the literal algorithm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/cipher/shift_kernels.h"
#include "core/cipher/shift_text.h"
#include "core/cipher/shift_text_reference.h"

namespace shiftpad {
namespace {

// The literal algorithm is quadratic; past this the fuzzer would spend its time there.
constexpr std::size_t longest_input = 4096;

void check(bool holds) {
  if (!holds) {
    std::abort();
  }
}

void check_kernel(shift_kernels::Kernel kernel, std::string_view input, std::uint32_t sign,
                  std::string_view expected) {
  std::vector<char> out(input.size());
  const std::string_view kept(out.data(), kernel(input.data(), input.size(), 1, sign, out.data()));
  // A 0 byte would end the text early; every one must have been left out.
  check(kept.find('\0') == std::string_view::npos);
  check(kept == expected);
}

void check_direction(const ByteText& input, ShiftDirection direction) {
  const ByteText expected = shift_text_reference(input, direction);
  const ByteText result = shift_text(input, direction);
  check(result.bytes() == expected.bytes());
  check(result.is_null() == input.empty());
  check(result.bytes().size() <= input.bytes().size());

  const auto sign = static_cast<std::uint32_t>(static_cast<std::int32_t>(direction));
  const std::string_view bytes = input.bytes();
  check_kernel(shift_kernels::shift_scalar, bytes, sign, expected.bytes());
#if defined(__SSE2__)
  check_kernel(shift_kernels::shift_sse2, bytes, sign, expected.bytes());
#endif
#if defined(SHIFTPAD_HAVE_AVX512_KERNEL)
  static const bool avx512 = shift_kernels::avx512_kernel_runs_here();
  if (avx512) {
    check_kernel(shift_kernels::shift_avx512, bytes, sign, expected.bytes());
  }
#endif
#if defined(SHIFTPAD_HAVE_AVX2_KERNEL)
  static const bool avx2 = shift_kernels::avx2_kernel_runs_here();
  if (avx2) {
    check_kernel(shift_kernels::shift_avx2, bytes, sign, expected.bytes());
  }
#endif
}

}  // namespace
}  // namespace shiftpad

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using shiftpad::ShiftDirection;
  const std::string_view bytes(reinterpret_cast<const char*>(data),
                               size < shiftpad::longest_input ? size : shiftpad::longest_input);
  // A text ends at its first 0 byte, as every text from the input box does.
  const shiftpad::ByteText input = shiftpad::ByteText::copy_of(bytes);
  shiftpad::check_direction(input, ShiftDirection::Encrypt);
  shiftpad::check_direction(input, ShiftDirection::Decrypt);
  return 0;
}
