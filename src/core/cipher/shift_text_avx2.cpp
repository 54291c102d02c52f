// The 32-byte kernel, for processors with AVX2 but without the AVX-512 byte compress,
// chosen at run time. A block with no 0 byte is stored whole; one with a 0 byte is packed
// 8 bytes at a time by a byte shuffle looked up from which of the 8 are kept.
#include "core/cipher/shift_kernels.h"

#if defined(SHIFTPAD_HAVE_AVX2_KERNEL)

#include <immintrin.h>

#include <array>
#include <bit>

namespace shiftpad::shift_kernels {
namespace {

constexpr std::size_t lanes = 32;
constexpr std::size_t group = 8;

// For each set of kept bytes in a group of 8 (bit i: byte i is kept), the shuffle that
// moves them to the front in order; 0x80 lanes, past the kept ones, come out as 0.
constexpr std::array<std::uint64_t, 256> pack_shuffles() {
  std::array<std::uint64_t, 256> shuffles{};
  for (unsigned kept = 0; kept < 256; ++kept) {
    std::uint64_t shuffle = 0;
    unsigned slot = 0;
    for (unsigned byte = 0; byte < group; ++byte) {
      if ((kept >> byte & 1U) != 0) {
        shuffle |= std::uint64_t{byte} << (8 * slot++);
      }
    }
    for (; slot < group; ++slot) {
      shuffle |= std::uint64_t{0x80} << (8 * slot);
    }
    shuffles[kept] = shuffle;
  }
  return shuffles;
}

constexpr std::array<std::uint64_t, 256> pack_shuffle = pack_shuffles();

// Packs the kept bytes of 16 (bit i of `kept`: byte i is kept) to `out`, writing 16
// bytes at most, and returns how many it kept.
__attribute__((target("avx2,popcnt"))) std::size_t pack_half(__m128i bytes, unsigned kept,
                                                             char* out) {
  const unsigned low = kept & 0xFFU;
  const unsigned high = kept >> group;
  // The high group's indexes count from its own first byte, 8 into `bytes`.
  const __m128i shuffle =
      _mm_set_epi64x(static_cast<long long>(pack_shuffle[high] + 0x0808080808080808ULL),
                     static_cast<long long>(pack_shuffle[low]));
  const __m128i packed = _mm_shuffle_epi8(bytes, shuffle);
  const auto low_count = static_cast<std::size_t>(std::popcount(low));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out), packed);
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out + low_count), _mm_unpackhi_epi64(packed, packed));
  return low_count + static_cast<std::size_t>(std::popcount(high));
}

}  // namespace

__attribute__((target("avx2,popcnt"))) std::size_t shift_avx2(const char* in, std::size_t length,
                                                              std::uint32_t first_position,
                                                              std::uint32_t sign, char* out) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i index =
      _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                       22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
  const auto first_shift = static_cast<char>(static_cast<std::uint8_t>(sign * first_position));
  const auto step_shift = static_cast<char>(static_cast<std::uint8_t>(sign * lanes));
  // Each lane's shift, sign x position mod 256, advanced by sign x 32 per block.
  __m256i shift = _mm256_add_epi8(_mm256_set1_epi8(first_shift),
                                  sign == 1 ? index : _mm256_sub_epi8(zero, index));
  const __m256i step = _mm256_set1_epi8(step_shift);

  std::size_t done = 0;
  std::size_t kept = 0;
  for (; done + lanes <= length; done += lanes) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + done));
    const __m256i shifted = _mm256_add_epi8(bytes, shift);
    shift = _mm256_add_epi8(shift, step);
    const auto dropped =
        static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(shifted, zero)));
    // kept <= done, so every store below stays within the room left for the input's bytes.
    if (dropped == 0) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + kept), shifted);
      kept += lanes;
    } else {
      kept += pack_half(_mm256_castsi256_si128(shifted), ~dropped & 0xFFFFU, out + kept);
      kept += pack_half(_mm256_extracti128_si256(shifted, 1), ~dropped >> 16U, out + kept);
    }
  }
  const auto position = first_position + static_cast<std::uint32_t>(done);
  return kept + shift_scalar(in + done, length - done, position, sign, out + kept);
}

}  // namespace shiftpad::shift_kernels

#endif
