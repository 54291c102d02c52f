// The 16-byte kernel. SSE2 is part of every x86-64 processor, so it needs no run-time check.
#include "core/cipher/shift_kernels.h"

#if defined(__SSE2__)

#include <emmintrin.h>

namespace shiftpad::shift_kernels {

std::size_t shift_sse2(const char* in, std::size_t length, std::uint32_t first_position,
                       std::uint32_t sign, char* out) {
  constexpr std::size_t lanes = 16;
  const __m128i zero = _mm_setzero_si128();
  const __m128i lane_index = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
  const auto first_shift = static_cast<char>(static_cast<std::uint8_t>(sign * first_position));
  const auto lane_sign = static_cast<char>(static_cast<std::uint8_t>(sign));
  const auto step_shift = static_cast<char>(static_cast<std::uint8_t>(sign * lanes));
  // Each lane's shift, sign x position mod 256, advanced by sign x 16 per block.
  __m128i shift = _mm_add_epi8(_mm_set1_epi8(first_shift),
                               lane_sign == 1 ? lane_index : _mm_sub_epi8(zero, lane_index));
  const __m128i step = _mm_set1_epi8(step_shift);

  std::size_t done = 0;
  std::size_t kept = 0;
  for (; done + lanes <= length; done += lanes) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
    const __m128i shifted = _mm_add_epi8(bytes, shift);
    shift = _mm_add_epi8(shift, step);
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(shifted, zero)) == 0) {
      // kept <= done, so the 16 bytes fit in the room left for the input's bytes.
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + kept), shifted);
      kept += lanes;
    } else {
      const auto position = first_position + static_cast<std::uint32_t>(done);
      kept += shift_scalar(in + done, lanes, position, sign, out + kept);
    }
  }
  const auto position = first_position + static_cast<std::uint32_t>(done);
  return kept + shift_scalar(in + done, length - done, position, sign, out + kept);
}

}  // namespace shiftpad::shift_kernels

#endif
