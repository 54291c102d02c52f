#include "core/commands/commands.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cipher/counting_allocator.h"
#include "commands/fake_window.h"

namespace shiftpad {
namespace {

using testing::CountingAllocator;
using testing::FakeWindow;
using Command = void (*)();
using Calls = std::vector<std::string>;

const Calls kept_focus = {"read 编辑框1", "read 编辑框1", "write 编辑框2"};
const Calls moved_focus = {"read 编辑框1", "focus 编辑框1", "read 编辑框1", "write 编辑框2"};

constexpr auto* earlier_result = "an earlier result";

TEST(Commands, ShiftInputBoxIntoOutputBox) {
  struct Case {
    Command command;
    std::string input;
    std::string output;
  };
  const auto cases = std::to_array<Case>({
      {handle_encrypt_click, "abc", "bdf"},
      {handle_decrypt_click, "abc", "```"},
      {handle_decrypt_click, "bdf", "abc"},
      {handle_encrypt_click, "\xBC\xD3\xC3\xDC", "\xBD\xD5\xC6\xE0"},  // "加密"
      {handle_decrypt_click, "\xBC\xD3\xC3\xDC", "\xBB\xD1\xC0\xD8"},
      {handle_encrypt_click, " ", "!"},  // a blank is not an empty box
      {handle_decrypt_click, " ", "\x1F"},
      {handle_decrypt_click, "\x01\x02\x03", ""},  // every byte dropped: not empty either
      {handle_encrypt_click, "\xFF", ""},
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.input) + " -> " + ::testing::PrintToString(c.output));
    FakeWindow window;
    window.texts = {{units::编辑框1, c.input}, {units::编辑框2, earlier_result}};
    const CountingAllocator allocator;
    c.command();
    EXPECT_EQ(window.texts[units::编辑框2], c.output);
    EXPECT_EQ(window.texts[units::编辑框1], c.input);
    EXPECT_EQ(window.calls, kept_focus);
    EXPECT_EQ(allocator.live_blocks(), 0U) << "a text was not released";
  }
}

TEST(Commands, EmptyInputBoxGetsFocusAndClearsOutputBox) {
  for (const bool zero_length : {false, true}) {
    for (const Command command : {handle_encrypt_click, handle_decrypt_click}) {
      FakeWindow window;
      window.empty_reads_as_zero_length = zero_length;
      window.texts = {{units::编辑框1, ""}, {units::编辑框2, earlier_result}};
      const CountingAllocator allocator;
      command();
      EXPECT_EQ(window.texts[units::编辑框2], "");
      EXPECT_EQ(window.calls, moved_focus);
      EXPECT_EQ(allocator.live_blocks(), 0U);
    }
  }
}

TEST(Commands, SameClickTwiceWritesSameOutputTwice) {
  FakeWindow window;
  window.texts = {{units::编辑框1, "Hello"}};
  handle_encrypt_click();
  const std::string first = window.texts[units::编辑框2];
  handle_encrypt_click();
  EXPECT_EQ(first, "Igopt");
  EXPECT_EQ(window.texts[units::编辑框2], first);
}

// A write to the output box ends the child at once with its own code, so a test that
// sees the fatal error's code knows the write never came.
class OutputBoxTripwire final : public WindowOperations {
 public:
  ByteText read_control_text(UnitId /*window*/, UnitId /*control*/) override {
    return ByteText::copy_of("abc");
  }
  void write_control_text(UnitId /*window*/, UnitId /*control*/,
                          const ByteText& /*text*/) override {
    (void)std::fputs("the output box was written\n", stderr);
    std::_Exit(3);
  }
  void focus_control(UnitId /*window*/, UnitId /*control*/) override {}
};

// Each of the three blocks a click needs (the two reads, the transform's result) refused
// in turn: the process ends with -1, seen by its parent as 255, before any write.
TEST(CommandsDeathTest, RefusedAllocationEndsProcessBeforeAnyWrite) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const Command command : {handle_encrypt_click, handle_decrypt_click}) {
    for (std::size_t refused = 1; refused <= 3; ++refused) {
      EXPECT_EXIT(
          {
            OutputBoxTripwire window;
            install_window_operations(&window);
            const CountingAllocator allocator(refused);
            command();
          },
          ::testing::ExitedWithCode(255), "fatal error: Out of memory")
          << "refused allocation " << refused;
    }
  }
}

}  // namespace
}  // namespace shiftpad
