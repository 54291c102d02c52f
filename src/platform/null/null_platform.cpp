#include "platform/null/null_platform.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace shiftpad {

void NullPlatform::post(std::function<void()> message) { queue_.push_back(std::move(message)); }

void NullPlatform::click(UnitId button) {
  post([this, button] { events_->on_button_clicked(button); });
}

void NullPlatform::press(KeyPress key) {
  post([this, key] { events_->on_key_press(key); });
}

void NullPlatform::request_close() {
  post([this] { events_->on_close_requested(); });
}

void NullPlatform::type_into(UnitId edit_box, std::u16string text) {
  post([this, edit_box, text = std::move(text)] {
    texts_[edit_box] = text;
    events_->on_text_edited(edit_box);
  });
}

void NullPlatform::activate() {
  post([this] { events_->on_window_activated(); });
}

void NullPlatform::deactivate() {
  post([this] {
    events_->on_window_deactivated(focus_);
    focus_.reset();
  });
}

std::u16string NullPlatform::text_of(UnitId control) const {
  const auto found = texts_.find(control);
  return found == texts_.end() ? std::u16string() : found->second;
}

bool NullPlatform::create_window(const WindowForm& form, Rect outer, NativeEvents& events) {
  calls_.emplace_back("create_window");
  if (refuse_window) {
    return false;
  }
  events_ = &events;
  outer_ = outer;
  for (const ControlForm& control : form.controls) {
    texts_[control.id] = std::u16string(control.text);
  }
  created_ = true;
  if (while_creating) {
    while_creating();
  }
  return true;
}

void NullPlatform::show_window() {
  calls_.emplace_back("show_window");
  visible_ = true;
}

void NullPlatform::destroy_window() {
  calls_.emplace_back("destroy_window");
  created_ = false;
  visible_ = false;
  focus_.reset();
}

std::u16string NullPlatform::control_text(UnitId control) { return text_of(control); }

void NullPlatform::set_control_text(UnitId control, std::u16string_view text) {
  texts_[control] = std::u16string(text);
}

void NullPlatform::focus_control(UnitId control) { focus_ = control; }

int NullPlatform::run_message_loop() {
  calls_.emplace_back("run_message_loop");
  while (!quit_code_) {
    if (queue_.empty()) {
      return kScriptRanOut;
    }
    auto message = std::move(queue_.front());
    queue_.pop_front();
    message();
  }
  return *quit_code_;
}

void NullPlatform::post_quit(int code) {
  calls_.push_back("post_quit " + std::to_string(code));
  // The quit message waits behind whatever is queued before it, as a real one would.
  post([this, code] { quit_code_ = code; });
}

void NullPlatform::show_fatal_message(std::u16string_view message) {
  calls_.emplace_back("show_fatal_message");
  fatal_message_ = std::u16string(message);
}

void NullPlatform::end_process_now(int code) {
  if (before_process_ends) {
    before_process_ends();
  }
  std::fflush(stderr);
  std::_Exit(code);
}

}  // namespace shiftpad
