#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/runtime/platform_layer.h"

namespace shiftpad {

// A platform layer that keeps the window in memory and draws nothing, so the whole
// runtime, from start to exit, runs inside a unit test. Input is scripted: each queued
// message runs inside the message loop, in order, as a native event would.
class NullPlatform final : public PlatformLayer {
 public:
  // The loop's result when the script runs out before a quit message arrives.
  static constexpr int kScriptRanOut = 99;

  // Scripting, each as one message in the loop.
  void post(std::function<void()> message);
  void click(UnitId button);
  void press(KeyPress key);
  void request_close();
  void type_into(UnitId edit_box, std::u16string text);  // the user's edit
  void activate();
  void deactivate();

  // What tests look at.
  NativeEvents& events() { return *events_; }
  bool window_created() const { return created_; }
  bool window_visible() const { return visible_; }
  Rect outer_rect() const { return outer_; }
  std::u16string text_of(UnitId control) const;
  const std::vector<std::string>& calls() const { return calls_; }
  const std::u16string& fatal_message() const { return fatal_message_; }

  // Settings a test may change before the start.
  Size screen{1024, 768};
  bool refuse_window = false;
  // Runs inside create_window once the units exist, as the system's own creation events
  // would; the runtime must keep them from every handler.
  std::function<void()> while_creating;
  // Runs just before the process ends, so a death test can print what it wants to see.
  std::function<void()> before_process_ends;

  // PlatformLayer
  Size primary_screen_size() override { return screen; }
  bool create_window(const WindowForm& form, Rect outer, NativeEvents& events) override;
  void show_window() override;
  void destroy_window() override;
  std::u16string control_text(UnitId control) override;
  void set_control_text(UnitId control, std::u16string_view text) override;
  void focus_control(UnitId control) override;
  std::optional<UnitId> focused_control() override { return focus_; }
  int run_message_loop() override;
  void post_quit(int code) override;
  void show_fatal_message(std::u16string_view message) override;
  [[noreturn]] void end_process_now(int code) override;

 private:
  NativeEvents* events_ = nullptr;
  bool created_ = false;
  bool visible_ = false;
  Rect outer_;
  std::map<UnitId, std::u16string> texts_;
  std::optional<UnitId> focus_;
  std::deque<std::function<void()>> queue_;
  std::optional<int> quit_code_;
  std::vector<std::string> calls_;
  std::u16string fatal_message_;
};

}  // namespace shiftpad
