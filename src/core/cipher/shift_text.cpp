#include "core/cipher/shift_text.h"

#include <cstdint>
#include <string_view>

#include "core/text/text_allocator.h"

namespace shiftpad {

ByteText shift_text(const ByteText& input, ShiftDirection direction) {
  const std::string_view in = input.bytes();
  if (in.empty()) {
    return {};
  }
  const auto sign = static_cast<std::uint32_t>(static_cast<int>(direction));
  char* out = allocate_text_block(in.size() + 1);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const auto position = static_cast<std::uint32_t>(i + 1);
    const auto byte = static_cast<std::uint8_t>(static_cast<std::uint8_t>(in[i]) + sign * position);
    out[kept] = static_cast<char>(byte);
    kept += byte != 0 ? 1 : 0;
  }
  out[kept] = '\0';
  return ByteText::adopt(out);
}

}  // namespace shiftpad
