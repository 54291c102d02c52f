#include "core/cipher/shift_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cipher/counting_allocator.h"
#include "core/cipher/shift_kernels.h"
#include "core/cipher/shift_text_reference.h"

namespace shiftpad {
namespace {

using testing::CountingAllocator;
using Transform = ByteText (*)(const ByteText&, ShiftDirection);

constexpr auto Encrypt = ShiftDirection::Encrypt;
constexpr auto Decrypt = ShiftDirection::Decrypt;

std::string bytes_of(const ByteText& text) { return std::string(text.bytes()); }

// Every test below holds for the fast transform and for the literal one it is checked
// against; a fault in either shows up here and not only as a difference between them.
class ShiftTextTest : public ::testing::TestWithParam<Transform> {
 protected:
  std::string shift(std::string_view input, ShiftDirection direction) const {
    const ByteText text = ByteText::copy_of(input);
    const ByteText result = GetParam()(text, direction);
    EXPECT_EQ(text.bytes(), input) << "the input was changed";
    return bytes_of(result);
  }
};

TEST_P(ShiftTextTest, WorkedExamples) {
  struct Case {
    ShiftDirection direction;
    std::string_view input;
    std::string_view result;
  };
  const auto cases = std::to_array<Case>({
      {Encrypt, "abc", "bdf"},
      {Decrypt, "bdf", "abc"},
      {Encrypt, "Hello", "Igopt"},
      {Decrypt, "Hello", "Gcihj"},
      {Encrypt, "\xBC\xD3\xC3\xDC", "\xBD\xD5\xC6\xE0"},
      {Decrypt, "\xBC\xD3\xC3\xDC", "\xBB\xD1\xC0\xD8"},
      {Encrypt, "\x80", "\x81"},              // -128 + 1
      {Encrypt, "\x7F", "\x80"},              // 127 + 1, no saturation
      {Encrypt, "\xFF", ""},                  // -1 + 1 = 0: dropped
      {Encrypt, "\xFE\xFE\xFE", "\xFF\x01"},  // position 2 dropped, position 3 still adds 3
      {Decrypt, "\xFF\x01", "\xFE\xFF"},
      {Decrypt, "\x41\x02\x43", "@@"},  // position 2 holds 2: dropped
      {Encrypt, "@@", "AB"},
  });
  for (const Case& c : cases) {
    EXPECT_EQ(shift(c.input, c.direction), c.result)
        << (c.direction == Encrypt ? "encrypt " : "decrypt ") << ::testing::PrintToString(c.input);
  }
}

TEST_P(ShiftTextTest, EmptyTextInEitherFormGivesNullAndAllocatesNothing) {
  for (const ShiftDirection direction : {Encrypt, Decrypt}) {
    const ByteText zero_length = ByteText::copy_of("");
    const CountingAllocator allocator;
    EXPECT_TRUE(GetParam()(ByteText(), direction).is_null());
    EXPECT_TRUE(GetParam()(zero_length, direction).is_null());
    EXPECT_EQ(allocator.allocations(), 0U);
  }
}

// The longest input that can lose every byte is 255 long: at position 256 the byte
// that would be dropped is 0 itself, which ends the text.
TEST_P(ShiftTextTest, EveryByteDroppedGivesZeroLengthTextNotNull) {
  std::string drops_on_encrypt;
  std::string drops_on_decrypt;
  for (int position = 1; position <= 255; ++position) {
    drops_on_encrypt += static_cast<char>(256 - position);
    drops_on_decrypt += static_cast<char>(position);
  }
  for (const auto& [input, direction] : {std::pair{drops_on_encrypt, Encrypt},
                                         {drops_on_decrypt, Decrypt},
                                         {std::string("\xFF"), Encrypt}}) {
    const ByteText result = GetParam()(ByteText::copy_of(input), direction);
    EXPECT_FALSE(result.is_null());
    EXPECT_EQ(byte_length(result), 0);
  }
}

// Positions 256 apart shift alike, so a text followed by a copy of itself, starting at
// position 257, shifts to its own result twice; the byte at position 256 is unchanged.
TEST_P(ShiftTextTest, ShiftRepeatsEvery256Positions) {
  std::string period;
  for (int i = 0; i < 256; ++i) {
    period += static_cast<char>((i * 37 + 11) % 255 + 1);
  }
  const std::string head = period.substr(0, 40);
  for (const ShiftDirection direction : {Encrypt, Decrypt}) {
    const std::string once = shift(period, direction);
    ASSERT_FALSE(once.empty());
    EXPECT_EQ(once.back(), period.back()) << "position 256 must not shift";
    const std::string twice_and_head = period + period;
    EXPECT_EQ(shift(twice_and_head + head, direction), once + once + shift(head, direction));
  }
}

// Inputs that lose no byte on the way there, so the other direction must bring them back.
TEST_P(ShiftTextTest, RoundTripWithoutDropsGivesInputBack) {
  std::string long_text;
  std::mt19937 random(7);
  for (std::uint32_t position = 1; long_text.size() < 1000; ++position) {
    auto byte = static_cast<std::uint8_t>(random());
    while (byte == 0 || static_cast<std::uint8_t>(byte + position) == 0 ||
           byte == static_cast<std::uint8_t>(position)) {
      ++byte;
    }
    long_text += static_cast<char>(byte);
  }
  for (const std::string& input :
       {std::string("abc"), std::string("\xBC\xD3\xC3\xDC"), long_text}) {
    EXPECT_EQ(shift(shift(input, Encrypt), Decrypt), input);
    EXPECT_EQ(shift(shift(input, Decrypt), Encrypt), input);
  }
}

TEST_P(ShiftTextTest, ReleasesEveryBlockButTheResult) {
  const CountingAllocator allocator;
  ByteText input = ByteText::copy_of("\xFE\xFE\xFE Hello \xBC\xD3\xC3\xDC");
  ByteText result = GetParam()(input, Encrypt);
  EXPECT_EQ(allocator.live_blocks(), 2U);
  release_text(result);
  release_text(input);
  EXPECT_EQ(allocator.live_blocks(), 0U);
}

std::string transform_name(const ::testing::TestParamInfo<Transform>& transform) {
  return transform.param == &shift_text ? "Fast" : "Reference";
}

INSTANTIATE_TEST_SUITE_P(Transforms, ShiftTextTest,
                         ::testing::Values(&shift_text, &shift_text_reference), transform_name);

TEST(ShiftTextFast, AllocatesOnceForWhateverInput) {
  const ByteText input = ByteText::copy_of("\xFF\x01 a longer text, past one block of sixteen");
  const CountingAllocator allocator;
  const ByteText result = shift_text(input, Decrypt);
  EXPECT_EQ(allocator.allocations(), 1U);
  EXPECT_EQ(allocator.last_size(), input.bytes().size() + 1);
}

// Bytes drawn so that about one position in four is dropped in each direction, which
// puts drops in most 16- and 32-byte blocks, next to blocks with none.
std::string random_text(std::size_t length, std::mt19937& random) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    const auto position = static_cast<std::uint8_t>(i + 1);
    const auto pick = static_cast<std::uint32_t>(random() % 8);
    auto byte = static_cast<std::uint8_t>(pick == 0 ? -position : pick == 1 ? position : random());
    text += static_cast<char>(byte == 0 ? 1 : byte);
  }
  return text;
}

// Every kernel this processor can run, not only the one shift_text picks here.
std::vector<std::pair<std::string, shift_kernels::Kernel>> runnable_kernels() {
  std::vector<std::pair<std::string, shift_kernels::Kernel>> kernels = {
      {"scalar", shift_kernels::shift_scalar}};
#if defined(__SSE2__)
  kernels.emplace_back("sse2", shift_kernels::shift_sse2);
#endif
#if defined(SHIFTPAD_HAVE_AVX512_KERNEL)
  if (shift_kernels::avx512_kernel_runs_here()) {
    kernels.emplace_back("avx512", shift_kernels::shift_avx512);
  }
#endif
#if defined(SHIFTPAD_HAVE_AVX2_KERNEL)
  if (shift_kernels::avx2_kernel_runs_here()) {
    kernels.emplace_back("avx2", shift_kernels::shift_avx2);
  }
#endif
  return kernels;
}

std::string run_kernel(shift_kernels::Kernel kernel, std::string_view input,
                       ShiftDirection direction) {
  // Exactly the room the kernel may use, so that a sanitizer sees any write past it.
  std::vector<char> out(input.size());
  const auto sign = static_cast<std::uint32_t>(static_cast<std::int32_t>(direction));
  const std::size_t kept = kernel(input.data(), input.size(), 1, sign, out.data());
  return {out.data(), kept};
}

TEST(ShiftTextFast, MatchesReferenceOnRandomTexts) {
  std::mt19937 random(2024);
  std::vector<std::size_t> lengths;
  for (std::size_t length = 1; length <= 300; ++length) {
    lengths.push_back(length);
  }
  lengths.insert(lengths.end(), {1000, 4097, 65'536 + 45});
  const auto kernels = runnable_kernels();
  for (const std::size_t length : lengths) {
    const ByteText input = ByteText::copy_of(random_text(length, random));
    for (const ShiftDirection direction : {Encrypt, Decrypt}) {
      SCOPED_TRACE("length " + std::to_string(length) +
                   (direction == Encrypt ? " encrypt" : " decrypt"));
      const std::string expected = bytes_of(shift_text_reference(input, direction));
      ASSERT_EQ(bytes_of(shift_text(input, direction)), expected);
      for (const auto& [name, kernel] : kernels) {
        ASSERT_EQ(run_kernel(kernel, input.bytes(), direction), expected) << name;
      }
    }
  }
}

}  // namespace
}  // namespace shiftpad
