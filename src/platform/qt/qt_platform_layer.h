#pragma once

#include <QPointer>
#include <memory>

#include "core/hyperlink/open_target.h"
#include "core/runtime/platform_layer.h"
#include "platform/qt/main_window.h"

class QLineEdit;

namespace shiftpad {

// The runtime's native side on Qt Widgets: the window and its controls from the form,
// QApplication's event loop as the message loop. Needs a QApplication.
class QtPlatformLayer final : public PlatformLayer {
 public:
  explicit QtPlatformLayer(LinkShell& link_shell);
  QtPlatformLayer(const QtPlatformLayer&) = delete;
  QtPlatformLayer& operator=(const QtPlatformLayer&) = delete;
  QtPlatformLayer(QtPlatformLayer&&) = delete;
  QtPlatformLayer& operator=(QtPlatformLayer&&) = delete;
  ~QtPlatformLayer() override;

  Size primary_screen_size() override;
  bool create_window(const WindowForm& form, Rect outer, NativeEvents& events) override;
  void show_window() override;
  void destroy_window() override;

  std::u16string control_text(UnitId control) override;
  void set_control_text(UnitId control, std::u16string_view text) override;
  void focus_control(UnitId control) override;
  std::optional<UnitId> focused_control() override;

  int run_message_loop() override;
  void post_quit(int code) override;

  void show_fatal_message(std::u16string_view message) override;
  [[noreturn]] void end_process_now(int code) override;

  // The window while it exists, for tests and benchmarks that drive the widgets.
  MainWindow* window() const { return window_; }

 private:
  void create_control(const ControlForm& control);
  void resize_window(Size size, bool resizable);
  QLineEdit* edit_box(UnitId control) const;

  LinkShell& link_shell_;
  std::unique_ptr<QObject> quit_receiver_;
  QPointer<MainWindow> window_;
};

}  // namespace shiftpad
