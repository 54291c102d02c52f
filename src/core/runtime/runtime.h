#pragma once

#include <optional>
#include <string_view>
#include <thread>

#include "core/commands/window_operations.h"
#include "core/form/form_types.h"
#include "core/rules/focus_rules.h"
#include "core/runtime/fatal_error.h"
#include "core/runtime/platform_layer.h"

namespace shiftpad {

// The GUI runtime between the platform layer and the program: it loads the window from
// its form, dispatches events to the bound handlers, applies the window's key and focus
// rules, serves the commands' window operations and runs the exit step. Everything runs
// on the UI thread.
class Runtime final : public NativeEvents, public WindowOperations, public FatalErrorReporter {
 public:
  Runtime(PlatformLayer& platform, const WindowForm& form);
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;
  Runtime(Runtime&&) = delete;
  Runtime& operator=(Runtime&&) = delete;
  ~Runtime() override;

  // The operations run_program calls, in this order.
  void start_runtime();
  void register_exit_hook(Handler hook);
  void load_window(UnitId window);
  void run_message_loop();

  // Calls the handler bound to `event` of the unit (the window itself when `control` is
  // nullopt). Returns whether a handler ran.
  bool raise_event(UnitId window, std::optional<UnitId> control, EventKind event);

  // After run_program has returned: no more events, the exit hook once, resources
  // released. Returns the exit code: the code of the quit message that ended the loop.
  int exit_step();

  // FatalErrorReporter: delivery off for good, the message, the exit hook dropped, exit -1.
  [[noreturn]] void report_fatal_error(std::string_view message) override;

  // WindowOperations, for the commands.
  ByteText read_control_text(UnitId window, UnitId control) override;
  void write_control_text(UnitId window, UnitId control, const ByteText& text) override;
  void focus_control(UnitId window, UnitId control) override;

  // NativeEvents, from the platform layer.
  bool on_key_press(KeyPress key) override;
  void on_button_clicked(UnitId button) override;
  void on_close_requested() override;
  void on_window_activated() override;
  void on_window_deactivated(std::optional<UnitId> focused) override;
  void on_text_edited(UnitId edit_box) override;
  void on_window_destroyed() override;

 private:
  const ControlForm* find_control(UnitId control) const;
  void require_loaded_control(UnitId window, UnitId control) const;
  void close_window();

  PlatformLayer& platform_;
  const WindowForm& form_;
  bool form_read_ = false;
  bool window_exists_ = false;
  bool delivery_on_ = false;
  bool delivery_ended_ = false;
  bool failing_ = false;
  Handler exit_hook_ = nullptr;
  int quit_code_ = 0;
  std::thread::id ui_thread_;
  FocusMemory focus_memory_;
};

// Runs the program on `platform` from start to the exit step: makes a runtime, calls
// run_program, then the exit step. Returns the exit code for main to return, so that
// the C run time's exit handlers run.
int run_application(PlatformLayer& platform);
// The same with another form, for tests that watch the events.
int run_application(PlatformLayer& platform, const WindowForm& form);

}  // namespace shiftpad
