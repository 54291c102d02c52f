#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "cipher/counting_allocator.h"
#include "core/text/byte_text.h"

namespace shiftpad {
namespace {

using testing::CountingAllocator;

TEST(ByteTextOperations, CodeAtReadsSignedBytesAndZeroOutsideTheText) {
  const ByteText text = ByteText::copy_of("\x41\xFF\x80");
  struct Case {
    std::int32_t position;
    std::int32_t code;
  };
  for (const Case c : {Case{1, 0x41}, Case{2, -1}, Case{3, -128}, Case{0, 0}, Case{-1, 0},
                       Case{4, 0}, Case{std::numeric_limits<std::int32_t>::min(), 0},
                       Case{std::numeric_limits<std::int32_t>::max(), 0}}) {
    EXPECT_EQ(code_at(text, c.position), c.code) << "position " << c.position;
  }
  EXPECT_EQ(code_at(ByteText(), 1), 0);
}

TEST(ByteTextOperations, LowByteIsTheValueModulo256) {
  EXPECT_EQ(low_byte(0x141), 0x41);
  EXPECT_EQ(low_byte(256), 0);
  EXPECT_EQ(low_byte(-1), 0xFF);
  EXPECT_EQ(low_byte(-128 + 1), 0x81);
  EXPECT_EQ(low_byte(std::numeric_limits<std::int32_t>::min()), 0);
}

TEST(ByteTextOperations, TextOfByteZeroIsNullAndAllocatesNothing) {
  const CountingAllocator allocator;
  EXPECT_TRUE(text_of_byte(0).is_null());
  EXPECT_EQ(allocator.allocations(), 0U);

  const ByteText text = text_of_byte(0xFF);
  EXPECT_EQ(text.bytes(), "\xFF");
  EXPECT_EQ(allocator.last_size(), 2U);
}

TEST(ByteTextOperations, JoinAlwaysAllocatesExactlyBothLengthsPlusOne) {
  const ByteText abc = ByteText::copy_of("abc");
  const ByteText zero_length = ByteText::copy_of("");
  const ByteText null_text;
  struct Case {
    const ByteText& first;
    const ByteText& second;
    std::string_view joined;
  };
  const CountingAllocator allocator;
  for (const Case& c :
       {Case{null_text, null_text, ""}, Case{zero_length, null_text, ""},
        Case{abc, null_text, "abc"}, Case{null_text, abc, "abc"}, Case{abc, abc, "abcabc"}}) {
    const ByteText joined = join_texts(c.first, c.second);
    EXPECT_FALSE(joined.is_null());
    EXPECT_EQ(joined.bytes(), c.joined);
    EXPECT_EQ(allocator.last_size(), c.joined.size() + 1);
  }
  EXPECT_EQ(abc.bytes(), "abc");
}

}  // namespace
}  // namespace shiftpad
