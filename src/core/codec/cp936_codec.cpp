#include "core/codec/cp936_codec.h"

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

bool is_lead(unsigned byte) { return byte >= cp936::kFirstLead && byte <= cp936::kLastLead; }

// The character of a lead and trail pair, or 0 if the pair is not a character.
char16_t decode_pair(unsigned lead, unsigned trail) {
  if (trail < cp936::kFirstTrail || trail > cp936::kLastTrail) {
    return 0;
  }
  return cp936::kPairTable[(lead - cp936::kFirstLead) * cp936::kTrailCount +
                           (trail - cp936::kFirstTrail)];
}

// What one byte decodes to when it does not start a double-byte character.
char16_t decode_single(unsigned byte) {
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
  std::u16string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (is_lead(byte) && i + 1 < bytes.size()) {
      if (const char16_t code = decode_pair(byte, static_cast<unsigned char>(bytes[i + 1]));
          code != 0) {
        text.push_back(code);
        ++i;
        continue;
      }
    }
    text.push_back(decode_single(byte));
  }
  return text;
}

std::string encode_cp936(std::u16string_view text) {
  const std::vector<std::uint16_t>& table = encode_table();
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint16_t code = table[text[i]];
    if (code == 0) {
      // A surrogate pair is one character outside the code page: one "?" for both halves.
      if (is_high_surrogate(text[i]) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
        ++i;
      }
      bytes.push_back('?');
    } else if (code > 0xFF) {
      bytes.push_back(static_cast<char>(code >> 8U));
      bytes.push_back(static_cast<char>(code & 0xFFU));
    } else {
      bytes.push_back(static_cast<char>(code));
    }
  }
  return bytes;
}

}  // namespace shiftpad
