#include "core/runtime/runtime.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "core/app/program.h"
#include "core/codec/cp936_codec.h"
#include "core/form/main_form.h"
#include "core/rules/key_rules.h"
#include "core/rules/window_placement.h"
#include "core/runtime/current_runtime.h"

namespace shiftpad {
namespace {

// The runtime's own messages are ASCII, so widening each byte is exact.
std::u16string widen_ascii(std::string_view message) { return {message.begin(), message.end()}; }

const EventBinding* find_binding(std::span<const EventBinding> bindings, EventKind event) {
  const auto found = std::ranges::find(bindings, event, &EventBinding::event);
  return found == bindings.end() ? nullptr : &*found;
}

}  // namespace

Runtime::Runtime(PlatformLayer& platform, const WindowForm& form)
    : platform_(platform), form_(form) {
  set_current_runtime(this);
  install_window_operations(this);
  set_fatal_error_reporter(this);
}

Runtime::~Runtime() {
  set_fatal_error_reporter(nullptr);
  install_window_operations(nullptr);
  set_current_runtime(nullptr);
}

void Runtime::start_runtime() {
  if (form_.controls.empty()) {
    fatal_error("The program's form cannot be read.");
  }
  // Every binding in the form already names its routine, so nothing is left to resolve.
  ui_thread_ = std::this_thread::get_id();
  form_read_ = true;
  delivery_on_ = true;
}

void Runtime::register_exit_hook(Handler hook) { exit_hook_ = hook; }

void Runtime::load_window(UnitId window) {
  if (!form_read_ || window != form_.id) {
    fatal_error("The window to load is not in the program's form.");
  }
  delivery_on_ = false;
  const Rect outer = form_.settings.centred_on_screen
                         ? centred_outer_rect(platform_.primary_screen_size(), form_.outer_size)
                         : Rect{form_.settings.stored_place, form_.outer_size};
  if (!platform_.create_window(form_, outer, *this)) {
    fatal_error("The window could not be created.");
  }
  window_exists_ = true;
  delivery_on_ = true;
  raise_event(form_.id, std::nullopt, EventKind::Created);
  if (window_exists_) {
    platform_.show_window();
    on_window_activated();
  }
}

void Runtime::run_message_loop() {
  if (window_exists_) {
    quit_code_ = platform_.run_message_loop();
  }
}

bool Runtime::raise_event(UnitId window, std::optional<UnitId> control, EventKind event) {
  if (!delivery_on_ || delivery_ended_) {
    return false;
  }
  if (window != form_.id || !window_exists_) {
    fatal_error("An event came from a window that is not loaded.");
  }
  if (std::this_thread::get_id() != ui_thread_) {
    fatal_error("An event was raised outside the UI thread.");
  }
  std::span<const EventBinding> bindings = form_.bindings;
  if (control) {
    const ControlForm* unit = find_control(*control);
    if (unit == nullptr) {
      fatal_error("An event came from a control that does not exist.");
    }
    bindings = unit->bindings;
  }
  const EventBinding* binding = find_binding(bindings, event);
  if (binding == nullptr) {
    return false;
  }
  binding->handler();
  return true;
}

int Runtime::exit_step() {
  delivery_ended_ = true;
  if (exit_hook_ != nullptr) {
    std::exchange(exit_hook_, nullptr)();
  }
  return quit_code_;
}

void Runtime::report_fatal_error(std::string_view message) {
  if (failing_) {
    // A second failure while the first is being reported: end without a second message.
    std::_Exit(-1);
  }
  failing_ = true;
  delivery_ended_ = true;
  platform_.show_fatal_message(widen_ascii(message));
  exit_hook_ = nullptr;
  // The process ends here, so the runtime's resources go with it.
  platform_.end_process_now(-1);
  std::_Exit(-1);  // a platform layer that returned from end_process_now
}

ByteText Runtime::read_control_text(UnitId window, UnitId control) {
  require_loaded_control(window, control);
  const std::string bytes = encode_cp936(platform_.control_text(control));
  return bytes.empty() ? ByteText() : ByteText::copy_of(bytes);
}

void Runtime::write_control_text(UnitId window, UnitId control, const ByteText& text) {
  require_loaded_control(window, control);
  platform_.set_control_text(control, decode_cp936(text.bytes()));
  raise_event(window, control, EventKind::ContentChanged);
}

void Runtime::focus_control(UnitId window, UnitId control) {
  require_loaded_control(window, control);
  platform_.focus_control(control);
}

bool Runtime::on_key_press(KeyPress key) {
  const KeyAction action = decide_key_action(key, form_.settings.keys);
  switch (action) {
    case KeyAction::FocusNext:
      platform_.focus_control(step_focus(platform_.focused_control(), FocusStep::Next));
      break;
    case KeyAction::FocusPrevious:
      platform_.focus_control(step_focus(platform_.focused_control(), FocusStep::Previous));
      break;
    case KeyAction::RequestClose:
      on_close_requested();
      break;
    case KeyAction::PassToControl:
    case KeyAction::Swallow:
      break;
  }
  return window_takes_key(action);
}

void Runtime::on_button_clicked(UnitId button) {
  raise_event(form_.id, button, EventKind::Clicked);
}

void Runtime::on_close_requested() {
  if (!window_exists_ || failing_) {
    return;
  }
  // A close is never refused: the close-request event is raised, and the window goes
  // whatever its handler would say.
  raise_event(form_.id, std::nullopt, EventKind::CloseRequest);
  close_window();
}

void Runtime::on_window_activated() {
  if (window_exists_) {
    platform_.focus_control(focus_memory_.take_focus_target());
  }
}

void Runtime::on_window_deactivated(std::optional<UnitId> focused) {
  focus_memory_.remember(focused);
}

void Runtime::on_text_edited(UnitId edit_box) {
  raise_event(form_.id, edit_box, EventKind::ContentChanged);
}

void Runtime::on_window_destroyed() {
  if (window_exists_) {
    window_exists_ = false;
    platform_.post_quit(0);
  }
}

const ControlForm* Runtime::find_control(UnitId control) const {
  const auto found = std::ranges::find(form_.controls, control, &ControlForm::id);
  return found == form_.controls.end() ? nullptr : &*found;
}

void Runtime::require_loaded_control(UnitId window, UnitId control) const {
  if (window != form_.id || !window_exists_) {
    fatal_error("The window is not loaded.");
  }
  if (find_control(control) == nullptr) {
    fatal_error("The control does not exist in the window.");
  }
}

void Runtime::close_window() {
  window_exists_ = false;
  platform_.destroy_window();
  platform_.post_quit(0);
}

int run_application(PlatformLayer& platform, const WindowForm& form) {
  Runtime runtime(platform, form);
  run_program();
  return runtime.exit_step();
}

int run_application(PlatformLayer& platform) { return run_application(platform, main_form()); }

}  // namespace shiftpad
