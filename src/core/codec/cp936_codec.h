#pragma once

#include <string>
#include <string_view>

namespace shiftpad {

// The lossless bridge between code-page-936 bytes and the UTF-16 text an edit box holds.
// For every byte string b without NUL, encode_cp936(decode_cp936(b)) == b:
//  - valid characters of code page 936 (as Windows defines it) decode as themselves;
//  - control bytes 0x01-0x1F and 0x7F decode as their Control Pictures U+2401-U+241F
//    and U+2421, which code page 936 cannot encode, so they map back unambiguously;
//  - a byte that is not part of a valid character (0xFF, a lone or badly followed lead
//    byte, an unassigned pair's lead) decodes as U+F700 + byte, outside the private-use
//    range that code page 936 assigns, and maps back to that byte.
// Any other character that code page 936 cannot encode becomes "?", as on Windows.
std::u16string decode_cp936(std::string_view bytes);
std::string encode_cp936(std::u16string_view text);

}  // namespace shiftpad
