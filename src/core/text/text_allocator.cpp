#include "core/text/text_allocator.h"

#include <cstdlib>

#include "core/runtime/fatal_error.h"

namespace shiftpad {
namespace {

class HeapAllocator final : public TextAllocator {
 public:
  void* try_allocate(std::size_t size) override { return std::malloc(size); }
  void release(void* block) override { std::free(block); }
};

HeapAllocator heap_allocator;
TextAllocator* current_allocator = &heap_allocator;

}  // namespace

char* allocate_text_block(std::size_t size) {
  void* block = current_allocator->try_allocate(size);
  if (block == nullptr) {
    fatal_error("Out of memory: a text block could not be allocated.");
  }
  return static_cast<char*>(block);
}

void release_text_block(char* block) {
  if (block != nullptr) {
    current_allocator->release(block);
  }
}

TextAllocator* set_text_allocator(TextAllocator* allocator) {
  TextAllocator* previous = current_allocator;
  current_allocator = allocator != nullptr ? allocator : &heap_allocator;
  return previous;
}

}  // namespace shiftpad
