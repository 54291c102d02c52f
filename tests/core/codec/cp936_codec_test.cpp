#include "core/codec/cp936_codec.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace shiftpad {
namespace {

// "BC D3 C3 DC" -> the four bytes.
std::string from_hex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
    bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

struct Case {
  std::string_view bytes;  // in hex
  std::u16string_view text;
};

TEST(Cp936RoundTrip, EveryOneAndTwoByteString) {
  for (int first = 1; first <= 0xFF; ++first) {
    const std::string single(1, static_cast<char>(first));
    ASSERT_EQ(encode_cp936(decode_cp936(single)), single) << "byte " << first;
    for (int second = 1; second <= 0xFF; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      ASSERT_EQ(encode_cp936(decode_cp936(pair)), pair) << "bytes " << first << " " << second;
    }
  }
}

// 21791 characters of glibc's table plus 1894 in the user-defined areas.
TEST(Cp936Decode, EveryAssignedPairIsOneCharacter) {
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      characters += decode_cp936(pair).size() == 1 ? 1 : 0;
    }
  }
  EXPECT_EQ(characters, 23685);
}

TEST(Cp936RoundTrip, RandomLongStrings) {
  std::mt19937 random(936);
  std::uniform_int_distribution<int> any_byte(1, 0xFF);
  std::uniform_int_distribution<int> lead_byte(0x81, 0xFE);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(4096, '\0');
    // Every other round mostly lead bytes, so long chains of pairs and near-pairs occur.
    for (char& byte : bytes) {
      byte = static_cast<char>(round % 2 == 0 ? any_byte(random) : lead_byte(random));
    }
    ASSERT_EQ(encode_cp936(decode_cp936(bytes)), bytes) << "round " << round;
  }
}

TEST(Cp936Decode, ValidCharactersDecodeAsThemselves) {
  const std::vector<Case> cases{
      {"BC D3 C3 DC", u"加密"},
      {"C8 ED BC FE C0 B4 D7 D4 51 75 6F 72 72 69 6E C2 DB CC B3", u"软件来自Quorrin论坛"},
      {"20 41 7E", u" A~"},
      {"80", u"\u20AC"},
      {"A8 A6 A1 A4 A1 AA A3 A1", u"\u00E9\u00B7\u2014\uFF01"},
      {"81 40 FE 4F", u"\u4E02\uFA29"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decode_cp936(from_hex(c.bytes)), c.text) << c.bytes;
    EXPECT_EQ(encode_cp936(c.text), from_hex(c.bytes)) << c.bytes;
  }
}

TEST(Cp936Decode, ControlBytesBecomeControlPictures) {
  const std::vector<Case> cases{
      {"01", u"\u2401"}, {"09 0A 0D", u"\u2409\u240A\u240D"}, {"1F", u"\u241F"}, {"7F", u"\u2421"}};
  for (const Case& c : cases) {
    EXPECT_EQ(decode_cp936(from_hex(c.bytes)), c.text) << c.bytes;
    EXPECT_EQ(encode_cp936(c.text), from_hex(c.bytes)) << c.bytes;
  }
}

TEST(Cp936Decode, BytesOutsideAnyCharacterBecomeStandIns) {
  const std::vector<Case> cases{
      {"FF", u"\uF7FF"},
      {"81", u"\uF781"},              // a lead byte at the end
      {"BC D3 C3", u"加\uF7C3"},      // a character, then a lone lead
      {"B0 20", u"\uF7B0 "},          // a lead followed by a byte that is no trail
      {"B0 0A", u"\uF7B0\u240A"},     // ... by a control byte
      {"B0 7F", u"\uF7B0\u2421"},     // ... by 0x7F, never a trail
      {"B0 FF", u"\uF7B0\uF7FF"},     // ... by 0xFF
      {"FE 50", u"\uF7FEP"},          // an unassigned pair: its trail reads anew
      {"A2 FE 40", u"\uF7A2\uFA0C"},  // ... and may start the next character
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decode_cp936(from_hex(c.bytes)), c.text) << c.bytes;
    EXPECT_EQ(encode_cp936(c.text), from_hex(c.bytes)) << c.bytes;
  }
}

TEST(Cp936Decode, UserDefinedAreasMapToPrivateUse) {
  const std::vector<Case> cases{
      {"AA A1", u"\uE000"}, {"AA FE", u"\uE05D"}, {"AB A1", u"\uE05E"}, {"AF FE", u"\uE233"},
      {"F8 A1", u"\uE234"}, {"FE FE", u"\uE4C5"}, {"A1 40", u"\uE4C6"}, {"A1 7E", u"\uE504"},
      {"A1 80", u"\uE505"}, {"A1 A0", u"\uE525"}, {"A2 40", u"\uE526"}, {"A7 A0", u"\uE765"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decode_cp936(from_hex(c.bytes)), c.text) << c.bytes;
    EXPECT_EQ(encode_cp936(c.text), from_hex(c.bytes)) << c.bytes;
  }
}

TEST(Cp936Encode, RawControlsAndStandInsEncodeToTheirBytes) {
  EXPECT_EQ(encode_cp936(u"\x01\t\n\r\x1F\x7F"), from_hex("01 09 0A 0D 1F 7F"));
  EXPECT_EQ(encode_cp936(u"\uF780\uF781\uF7FF"), from_hex("80 81 FF"));
}

TEST(Cp936Encode, UnencodableCharactersBecomeOneQuestionMark) {
  const std::vector<std::u16string_view> unencodable{
      std::u16string_view(u"\0", 1),  // never a NUL byte
      u"\u0100",
      u"\uAC00",      // Hangul
      u"\U0001F600",  // a surrogate pair
      u"\xD800",      // unpaired high surrogate
      u"\xDC00",      // unpaired low surrogate
      u"\u30FB",      // the middle dot that code page 936 spells as U+00B7
      u"\u2420",      // the Control Picture of space, which decoding never produces
      u"\uF700",      // the stand-in range covers bytes 0x80-0xFF only
      u"\uF77F",
      u"\uE766",  // past the user-defined areas
  };
  for (const std::u16string_view text : unencodable) {
    EXPECT_EQ(encode_cp936(text), "?") << static_cast<unsigned>(text[0]);
  }
  EXPECT_EQ(encode_cp936(u"a\xD800"
                         "b\U0001F600\xDC00"),
            "a?b??");
}

}  // namespace
}  // namespace shiftpad
