// The Linux program with a text allocator that refuses every block of at least
// SHIFTPAD_FAIL_BLOCKS_FROM bytes, so that a long enough input makes a command's
// allocation fail while shorter texts work as usual.
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/text/text_allocator.h"
#include "platform/qt/run_qt_program.h"

namespace {

constexpr auto kThresholdVariable = "SHIFTPAD_FAIL_BLOCKS_FROM";

class FailingFromSizeAllocator final : public shiftpad::TextAllocator {
 public:
  explicit FailingFromSizeAllocator(std::size_t threshold) : threshold_(threshold) {}
  void* try_allocate(std::size_t size) override {
    return size >= threshold_ ? nullptr : std::malloc(size);
  }
  void release(void* block) override { std::free(block); }

 private:
  std::size_t threshold_;
};

std::optional<std::size_t> threshold_from_environment() {
  const char* value = std::getenv(kThresholdVariable);
  if (value == nullptr) {
    return std::nullopt;
  }
  const std::string_view text(value);
  std::size_t threshold = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threshold);
  if (error != std::errc() || end != text.data() + text.size() || threshold == 0) {
    return std::nullopt;
  }
  return threshold;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::optional<std::size_t> threshold = threshold_from_environment();
  if (!threshold) {
    // A misconfigured run must not pass for the real program.
    std::fprintf(stderr, "set %s to a positive number of bytes\n", kThresholdVariable);
    return 2;
  }
  static FailingFromSizeAllocator allocator(*threshold);
  shiftpad::set_text_allocator(&allocator);
  return shiftpad::run_qt_program(argc, argv);
}
