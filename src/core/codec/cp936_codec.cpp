#include "core/codec/cp936_codec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/codec/cp936_table.h"

namespace shiftpad {
namespace {

constexpr char16_t kEuro = u'\u20AC';
constexpr char16_t kControlPictures = u'\u2400';  // + control byte 0x01-0x1F
constexpr char16_t kDeletePicture = u'\u2421';
constexpr char16_t kStandInBase = u'\uF700';  // + a byte that is no character
constexpr unsigned kEuroByte = 0x80;
constexpr unsigned kDelete = 0x7F;

// The character of a lead and trail pair, or 0 if the two bytes are not one character.
// Free of branches: on random bytes the pair test is a coin toss for the predictor.
char16_t decode_pair(unsigned lead, unsigned trail) {
  const bool in_range = lead - cp936::kFirstLead <= cp936::kLastLead - cp936::kFirstLead &&
                        trail - cp936::kFirstTrail <= cp936::kLastTrail - cp936::kFirstTrail;
  const std::size_t index =
      in_range ? (lead - cp936::kFirstLead) * cp936::kTrailCount + (trail - cp936::kFirstTrail) : 0;
  return in_range ? cp936::kPairTable[index] : char16_t{0};
}

// What one byte decodes to when it does not start a double-byte character.
constexpr char16_t decode_single(unsigned byte) {
  if (byte == 0) {
    return 0;
  }
  if (byte < 0x20) {
    return static_cast<char16_t>(kControlPictures + byte);
  }
  if (byte < kDelete) {
    return static_cast<char16_t>(byte);
  }
  if (byte == kDelete) {
    return kDeletePicture;
  }
  if (byte == kEuroByte) {
    return kEuro;
  }
  return static_cast<char16_t>(kStandInBase + byte);
}

constexpr std::array<char16_t, 0x100> kSingleByteTable = [] {
  std::array<char16_t, 0x100> table{};
  for (unsigned byte = 0; byte < table.size(); ++byte) {
    table[byte] = decode_single(byte);
  }
  return table;
}();

// For each UTF-16 code unit, the bytes it encodes to: a value up to 0xFF is one byte, a
// larger one is lead * 256 + trail, and 0 means the unit cannot be encoded. Built from the
// decoding side, so the two stay inverse by construction.
std::vector<std::uint16_t> build_encode_table() {
  std::vector<std::uint16_t> table(0x10000, 0);
  for (unsigned byte = 1; byte <= 0xFF; ++byte) {
    table[decode_single(byte)] = static_cast<std::uint16_t>(byte);
  }
  for (unsigned byte = 1; byte <= kDelete; ++byte) {
    table[byte] = static_cast<std::uint16_t>(byte);  // raw ASCII, controls included
  }
  table[kStandInBase + kEuroByte] = kEuroByte;
  for (unsigned lead = cp936::kFirstLead; lead <= cp936::kLastLead; ++lead) {
    for (unsigned trail = cp936::kFirstTrail; trail <= cp936::kLastTrail; ++trail) {
      if (const char16_t code = decode_pair(lead, trail); code != 0) {
        table[code] = static_cast<std::uint16_t>((lead << 8U) | trail);
      }
    }
  }
  return table;
}

const std::vector<std::uint16_t>& encode_table() {
  static const std::vector<std::uint16_t> table = build_encode_table();
  return table;
}

bool is_high_surrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string decode_cp936(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  std::size_t length = 0;
  for (std::size_t i = 0; i < bytes.size(); ++length) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    const auto next = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0U;
    const char16_t pair = decode_pair(byte, next);
    text[length] = pair != 0 ? pair : kSingleByteTable[byte];
    i += pair != 0 ? 2 : 1;
  }
  text.resize(length);
  return text;
}

std::string encode_cp936(std::u16string_view text) {
  const std::vector<std::uint16_t>& table = encode_table();
  // Room for two bytes per unit; a one-byte code's second byte is overwritten next.
  std::string bytes(text.size() * 2, '\0');
  std::size_t length = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint16_t code = table[text[i]];
    if (code == 0) {
      code = '?';
      // A surrogate pair is one character outside the code page: one "?" for both halves.
      if (is_high_surrogate(text[i]) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
        ++i;
      }
    }
    const bool double_byte = code > 0xFF;
    bytes[length] = static_cast<char>(double_byte ? code >> 8U : code);
    bytes[length + 1] = static_cast<char>(code & 0xFFU);
    length += double_byte ? 2 : 1;
  }
  bytes.resize(length);
  return bytes;
}

}  // namespace shiftpad
