#pragma once

#include <cstddef>

namespace shiftpad {

// The one process-wide allocator that every text block comes from. A failure to
// allocate never returns to the caller: it ends in fatal_error.
class TextAllocator {
 public:
  virtual ~TextAllocator() = default;
  // Returns a block of `size` bytes, or nullptr when none can be had.
  virtual void* try_allocate(std::size_t size) = 0;
  virtual void release(void* block) = 0;
};

// Allocates from the installed allocator; a failure goes to fatal_error.
[[nodiscard]] char* allocate_text_block(std::size_t size);
void release_text_block(char* block);

// Installs another allocator (a test's counting or failing one); nullptr restores the
// default, which uses the C heap. Returns the one it replaced.
TextAllocator* set_text_allocator(TextAllocator* allocator);

}  // namespace shiftpad
