#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace shiftpad {

// A NUL-terminated byte string in code page 936, owning one block from the text
// allocator, or the null handle. The null handle and a zero-length block are the same
// empty text to every consumer; only tests of the exact result tell them apart. The
// bytes never change once made, so the length is counted once, when the text is made.
class ByteText {
 public:
  ByteText() noexcept = default;  // the null handle
  ByteText(const ByteText&) = delete;
  ByteText& operator=(const ByteText&) = delete;
  ByteText(ByteText&& other) noexcept;
  ByteText& operator=(ByteText&& other) noexcept;
  ~ByteText();

  // A new block of exactly bytes.size() + 1 bytes: the bytes up to the first NUL, then NUL.
  static ByteText copy_of(std::string_view bytes);
  // Takes ownership of a block from allocate_text_block that holds a NUL-terminated string.
  static ByteText adopt(char* block) noexcept;
  // The same for a block whose first NUL is known to stand at `length`.
  static ByteText adopt(char* block, std::size_t length) noexcept;

  bool is_null() const noexcept { return block_ == nullptr; }
  bool empty() const noexcept { return length_ == 0; }
  // The bytes before the first NUL; empty for the null handle.
  std::string_view bytes() const noexcept;
  const char* c_str() const noexcept { return block_; }

  // Releases the block and becomes the null handle.
  void release() noexcept;

 private:
  ByteText(char* block, std::size_t length) noexcept : block_(block), length_(length) {}
  char* block_ = nullptr;
  std::size_t length_ = 0;
};

// The number of bytes before the first NUL; 0 for the empty text.
std::int32_t byte_length(const ByteText& text) noexcept;

// The signed value (-128..127) of the byte at the 1-based position; 0 for a position
// below 1 or past the length.
std::int32_t code_at(const ByteText& text, std::int32_t position) noexcept;

// The low 8 bits of the value, two's complement.
constexpr std::uint8_t low_byte(std::int32_t value) noexcept {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFU);
}

// A new one-byte text in a block of 2 bytes; byte 0 gives the null handle and allocates
// nothing.
ByteText text_of_byte(std::uint8_t byte);

// A new block of exactly byte_length(first) + byte_length(second) + 1 bytes holding the
// bytes of both in order. It always allocates, so the result is never null, even when
// both are empty. The operands are only read.
ByteText join_texts(const ByteText& first, const ByteText& second);

// Releases the text's block; releasing the null handle does nothing.
inline void release_text(ByteText& text) noexcept { text.release(); }

}  // namespace shiftpad
