#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/commands/window_operations.h"

namespace shiftpad::testing {

// An in-memory main window, installed while it lives. It keeps each control's text and
// a log of every call, so a test sees what a command read, wrote and focused, in order.
class FakeWindow final : public WindowOperations {
 public:
  FakeWindow() : previous_(install_window_operations(this)) {}
  ~FakeWindow() override { install_window_operations(previous_); }
  FakeWindow(const FakeWindow&) = delete;
  FakeWindow& operator=(const FakeWindow&) = delete;

  ByteText read_control_text(UnitId window, UnitId control) override {
    log("read", window, control);
    const std::string& text = texts[control];
    return text.empty() && !empty_reads_as_zero_length ? ByteText() : ByteText::copy_of(text);
  }

  void write_control_text(UnitId window, UnitId control, const ByteText& text) override {
    log("write", window, control);
    texts[control] = std::string(text.bytes());
  }

  void focus_control(UnitId window, UnitId control) override { log("focus", window, control); }

  std::map<UnitId, std::string> texts;
  std::vector<std::string> calls;  // e.g. "read 编辑框1"
  // The real read gives the null handle for an empty control; a zero-length block must
  // be taken the same way.
  bool empty_reads_as_zero_length = false;

 private:
  void log(const char* operation, UnitId window, UnitId control) {
    EXPECT_EQ(window, units::窗口);
    calls.push_back(std::string(operation) + " " + name_of(control));
  }

  static std::string name_of(UnitId control) {
    if (control == units::编辑框1) {
      return "编辑框1";
    }
    return control == units::编辑框2 ? "编辑框2" : "another unit";
  }

  WindowOperations* previous_;
};

}  // namespace shiftpad::testing
