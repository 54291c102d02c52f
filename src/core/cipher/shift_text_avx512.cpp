// The 64-byte kernel, for processors with AVX-512 VBMI2, chosen at run time. Its byte
// compress packs the kept bytes of a block together without a branch on the data, and
// a masked load and store take the last, partial block.
#include "core/cipher/shift_kernels.h"

#if defined(SHIFTPAD_HAVE_AVX512_KERNEL)

#include <immintrin.h>

#include <array>
#include <bit>

namespace shiftpad::shift_kernels {
namespace {

constexpr std::size_t lanes = 64;

constexpr std::array<char, lanes> lane_indexes() {
  std::array<char, lanes> indexes{};
  for (std::size_t i = 0; i < lanes; ++i) {
    indexes[i] = static_cast<char>(i);
  }
  return indexes;
}

constexpr std::array<char, lanes> lane_index = lane_indexes();

// The mask of the first `count` lanes, count <= 64.
constexpr __mmask64 first_lanes(std::size_t count) {
  return count >= lanes ? ~__mmask64{0} : (__mmask64{1} << count) - 1;
}

}  // namespace

__attribute__((target("avx512bw,avx512vbmi2,popcnt"))) std::size_t shift_avx512(
    const char* in, std::size_t length, std::uint32_t first_position, std::uint32_t sign,
    char* out) {
  const __m512i zero = _mm512_setzero_si512();
  const __m512i index = _mm512_loadu_si512(lane_index.data());
  const auto first_shift = static_cast<char>(static_cast<std::uint8_t>(sign * first_position));
  const auto step_shift = static_cast<char>(static_cast<std::uint8_t>(sign * lanes));
  // Each lane's shift, sign x position mod 256, advanced by sign x 64 per block.
  __m512i shift = _mm512_add_epi8(_mm512_set1_epi8(first_shift),
                                  sign == 1 ? index : _mm512_sub_epi8(zero, index));
  const __m512i step = _mm512_set1_epi8(step_shift);

  std::size_t kept = 0;
  for (std::size_t done = 0; done < length; done += lanes) {
    const __mmask64 present = first_lanes(length - done);
    const __m512i shifted = _mm512_add_epi8(_mm512_maskz_loadu_epi8(present, in + done), shift);
    shift = _mm512_add_epi8(shift, step);
    const __mmask64 nonzero = _mm512_mask_test_epi8_mask(present, shifted, shifted);
    const __m512i packed = _mm512_maskz_compress_epi8(nonzero, shifted);
    const auto count = static_cast<std::size_t>(std::popcount(nonzero));
    if (present == first_lanes(lanes)) {
      // kept <= done, so a whole block fits; a plain store is quicker than a masked one.
      _mm512_storeu_si512(out + kept, packed);
    } else {
      _mm512_mask_storeu_epi8(out + kept, first_lanes(count), packed);
    }
    kept += count;
  }
  return kept;
}

}  // namespace shiftpad::shift_kernels

#endif
