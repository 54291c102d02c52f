#include "core/text/byte_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/text/text_allocator.h"

namespace shiftpad {

ByteText::ByteText(ByteText&& other) noexcept
    : block_(std::exchange(other.block_, nullptr)), length_(std::exchange(other.length_, 0)) {}

ByteText& ByteText::operator=(ByteText&& other) noexcept {
  if (this != &other) {
    release();
    block_ = std::exchange(other.block_, nullptr);
    length_ = std::exchange(other.length_, 0);
  }
  return *this;
}

ByteText::~ByteText() { release(); }

ByteText ByteText::copy_of(std::string_view bytes) {
  const std::size_t length = std::min(bytes.size(), bytes.find('\0'));
  char* block = allocate_text_block(length + 1);
  // std::copy rather than memcpy: the null handle's bytes have no data pointer.
  std::copy_n(bytes.data(), length, block);
  block[length] = '\0';
  return {block, length};
}

ByteText ByteText::adopt(char* block) noexcept {
  return {block, block == nullptr ? 0 : std::strlen(block)};
}

ByteText ByteText::adopt(char* block, std::size_t length) noexcept { return {block, length}; }

std::string_view ByteText::bytes() const noexcept {
  return block_ == nullptr ? std::string_view() : std::string_view(block_, length_);
}

void ByteText::release() noexcept {
  release_text_block(std::exchange(block_, nullptr));
  length_ = 0;
}

std::int32_t byte_length(const ByteText& text) noexcept {
  return static_cast<std::int32_t>(text.bytes().size());
}

std::int32_t code_at(const ByteText& text, std::int32_t position) noexcept {
  const std::string_view bytes = text.bytes();
  if (position < 1 || static_cast<std::size_t>(position) > bytes.size()) {
    return 0;
  }
  return static_cast<std::int8_t>(bytes[static_cast<std::size_t>(position) - 1]);
}

ByteText text_of_byte(std::uint8_t byte) {
  if (byte == 0) {
    return {};
  }
  char* block = allocate_text_block(2);
  block[0] = static_cast<char>(byte);
  block[1] = '\0';
  return ByteText::adopt(block, 1);
}

ByteText join_texts(const ByteText& first, const ByteText& second) {
  const std::string_view head = first.bytes();
  const std::string_view tail = second.bytes();
  char* block = allocate_text_block(head.size() + tail.size() + 1);
  char* end = std::copy(head.begin(), head.end(), block);
  end = std::copy(tail.begin(), tail.end(), end);
  *end = '\0';
  return ByteText::adopt(block, head.size() + tail.size());
}

}  // namespace shiftpad
