#pragma once

#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "core/form/unit_id.h"
#include "core/runtime/platform_layer.h"

namespace shiftpad {

// The top-level window: it reports close requests, activation and every key press to
// the runtime and keeps Qt's own focus chain out of the way, so that the core's key and
// focus rules are the only ones.
class MainWindow final : public QWidget {
 public:
  explicit MainWindow(NativeEvents& events);

  // Makes `widget` the control `id`, and routes its key presses through the runtime.
  void add_control(UnitId id, QWidget* widget);
  QWidget* control(UnitId id) const;
  std::optional<UnitId> unit_of(const QWidget* widget) const;

  // Where the controls' own signals go; nullptr once the window is being destroyed.
  NativeEvents* events() const { return events_; }
  // After this, no native event reaches the runtime any more.
  void detach_events() { events_ = nullptr; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Tab, Shift+Tab and the buttons' arrow keys would walk Qt's focus chain here.
  bool focusNextPrevChild(bool next) override;

 private:
  bool is_first_receiver(const QObject* watched) const;

  NativeEvents* events_;
  std::vector<std::pair<UnitId, QWidget*>> controls_;
};

}  // namespace shiftpad
