#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <map>

#include "core/text/text_allocator.h"

namespace shiftpad::testing {

// The text allocator while it lives: counts the blocks handed out, knows which are still
// out and how big each was, flags a release of a block it does not hold (a double
// release), and refuses the request numbered `refuse_at` (1-based; 0 refuses none).
class CountingAllocator final : public TextAllocator {
 public:
  explicit CountingAllocator(std::size_t refuse_at = 0)
      : refuse_at_(refuse_at), previous_(set_text_allocator(this)) {}
  ~CountingAllocator() override { set_text_allocator(previous_); }
  CountingAllocator(const CountingAllocator&) = delete;
  CountingAllocator& operator=(const CountingAllocator&) = delete;

  void* try_allocate(std::size_t size) override {
    if (++allocations_ == refuse_at_) {
      return nullptr;
    }
    void* block = std::malloc(size);
    live_[block] = size;
    last_size_ = size;
    return block;
  }

  void release(void* block) override {
    EXPECT_EQ(live_.erase(block), 1U) << "released a block that is not out";
    std::free(block);
  }

  std::size_t allocations() const { return allocations_; }
  std::size_t live_blocks() const { return live_.size(); }
  std::size_t last_size() const { return last_size_; }

 private:
  std::size_t refuse_at_;
  TextAllocator* previous_;
  std::size_t allocations_ = 0;
  std::size_t last_size_ = 0;
  std::map<void*, std::size_t> live_;
};

}  // namespace shiftpad::testing
