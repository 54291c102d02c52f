#include "core/text/byte_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/text/text_allocator.h"

namespace shiftpad {

ByteText::ByteText(ByteText&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}

ByteText& ByteText::operator=(ByteText&& other) noexcept {
  if (this != &other) {
    release();
    block_ = std::exchange(other.block_, nullptr);
  }
  return *this;
}

ByteText::~ByteText() { release(); }

ByteText ByteText::copy_of(std::string_view bytes) {
  const std::size_t length = std::min(bytes.size(), bytes.find('\0'));
  char* block = allocate_text_block(length + 1);
  std::memcpy(block, bytes.data(), length);
  block[length] = '\0';
  return ByteText(block);
}

ByteText ByteText::adopt(char* block) noexcept { return ByteText(block); }

std::string_view ByteText::bytes() const noexcept {
  return block_ == nullptr ? std::string_view() : std::string_view(block_);
}

void ByteText::release() noexcept { release_text_block(std::exchange(block_, nullptr)); }

std::int32_t byte_length(const ByteText& text) noexcept {
  return static_cast<std::int32_t>(text.bytes().size());
}

}  // namespace shiftpad
