#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/form/form_types.h"
#include "core/form/geometry.h"
#include "core/form/unit_id.h"
#include "core/rules/key_rules.h"

namespace shiftpad {

// What the runtime hears from the native window. The platform layer translates each
// native event into one of these calls, on the UI thread, and does nothing else with it.
class NativeEvents {
 public:
  virtual ~NativeEvents() = default;
  // A key press, before the focused control sees it. Returns true when the window took
  // the key; the platform must then keep it from the control.
  virtual bool on_key_press(KeyPress key) = 0;
  // A push button reported a click (mouse release over it, or Space while focused).
  virtual void on_button_clicked(UnitId button) = 0;
  // The close box, the window menu's Close, the system's close shortcut. The platform
  // must not close the window itself: the runtime decides and calls destroy_window.
  virtual void on_close_requested() = 0;
  // The window was activated, or the window itself (not a control) got the focus.
  virtual void on_window_activated() = 0;
  // The window lost activation while `focused` held the focus (nullopt: none did).
  virtual void on_window_deactivated(std::optional<UnitId> focused) = 0;
  // The user edited an edit box's text (not a write by the program).
  virtual void on_text_edited(UnitId edit_box) = 0;
  // The native window went away by a path other than destroy_window.
  virtual void on_window_destroyed() = 0;
};

// The native side of the runtime: one window built from a WindowForm, its controls, the
// UI thread's message loop and the process's end. Qt and Win32 implement it; so does the
// in-memory layer the tests run on. Texts cross this interface as UTF-16, the way both
// toolkits hold them; the runtime converts them to and from code page 936.
class PlatformLayer {
 public:
  virtual ~PlatformLayer() = default;

  // The primary screen's full size in pixels (not its work area).
  virtual Size primary_screen_size() = 0;

  // Creates the window hidden with its outer rectangle at `outer` (exactly that size,
  // whatever the frame), then its controls as visible children. Every native event from
  // then on goes to `events`. Returns false when the system cannot create a unit.
  virtual bool create_window(const WindowForm& form, Rect outer, NativeEvents& events) = 0;
  // Shows the window normally and activates it.
  virtual void show_window() = 0;
  // Destroys the window and its controls. Called once, from the runtime's close path.
  virtual void destroy_window() = 0;

  virtual std::u16string control_text(UnitId control) = 0;
  // Replaces the text without reporting on_text_edited: the runtime raises the
  // content-changed event of a write itself.
  virtual void set_control_text(UnitId control, std::u16string_view text) = 0;
  virtual void focus_control(UnitId control) = 0;
  // The control that holds the keyboard focus, if one of the window's does.
  virtual std::optional<UnitId> focused_control() = 0;

  // Runs the UI thread's message loop until a quit message; returns its code.
  virtual int run_message_loop() = 0;
  // Posts the quit message with this code to the UI thread.
  virtual void post_quit(int code) = 0;

  // Shows the runtime's error message and waits until the user dismisses it.
  virtual void show_fatal_message(std::u16string_view message) = 0;
  // Ends the process at once with `code`; no exit handlers run.
  [[noreturn]] virtual void end_process_now(int code) = 0;
};

}  // namespace shiftpad
