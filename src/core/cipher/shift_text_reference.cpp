#include "core/cipher/shift_text_reference.h"

#include <cstdint>
#include <utility>

namespace shiftpad {

ByteText shift_text_reference(const ByteText& input, ShiftDirection direction) {
  const auto sign = static_cast<std::int32_t>(direction);
  const std::int32_t length = byte_length(input);
  ByteText acc;
  for (std::int32_t position = 1; position <= length; ++position) {
    const std::int32_t value = code_at(input, position);
    const std::int32_t shifted = value + sign * position;
    ByteText piece = text_of_byte(low_byte(shifted));
    ByteText next = join_texts(acc, piece);
    release_text(piece);
    release_text(acc);
    acc = std::move(next);
  }
  if (acc.is_null()) {
    return {};
  }
  ByteText result = ByteText::copy_of(acc.bytes());
  release_text(acc);
  return result;
}

}  // namespace shiftpad
