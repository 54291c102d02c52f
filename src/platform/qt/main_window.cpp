#include "platform/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "platform/qt/key_translation.h"

namespace shiftpad {

MainWindow::MainWindow(NativeEvents& events) : events_(&events) { installEventFilter(this); }

void MainWindow::add_control(UnitId id, QWidget* widget) {
  controls_.emplace_back(id, widget);
  widget->installEventFilter(this);
}

QWidget* MainWindow::control(UnitId id) const {
  const auto found = std::ranges::find(controls_, id, &std::pair<UnitId, QWidget*>::first);
  return found == controls_.end() ? nullptr : found->second;
}

std::optional<UnitId> MainWindow::unit_of(const QWidget* widget) const {
  const auto found = std::ranges::find(controls_, widget, &std::pair<UnitId, QWidget*>::second);
  if (widget == nullptr || found == controls_.end()) {
    return std::nullopt;
  }
  return found->first;
}

bool MainWindow::event(QEvent* event) {
  if (events_ != nullptr) {
    switch (event->type()) {
      case QEvent::WindowActivate:
        events_->on_window_activated();
        break;
      case QEvent::WindowDeactivate:
        events_->on_window_deactivated(unit_of(focusWidget()));
        break;
      case QEvent::FocusIn:
        events_->on_window_activated();
        break;
      default:
        break;
    }
  }
  return QWidget::event(event);
}

// A key that the focused control ignores travels on to the window; the runtime must
// hear each press once, from the widget that received it first.
bool MainWindow::is_first_receiver(const QObject* watched) const {
  return watched != this || !isAncestorOf(QApplication::focusWidget());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || events_ == nullptr || !is_first_receiver(watched)) {
    return QWidget::eventFilter(watched, event);
  }
  const KeyPress key = translate_key(*static_cast<QKeyEvent*>(event));
  const bool taken = events_->on_key_press(key);
  if (taken && key.key == Key::Tab) {
    // Focus moved by keyboard: let the styles draw their focus cues, as Qt's own Tab would.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* focused = QApplication::focusWidget()) {
      focused->update();
    }
  }
  return taken;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The runtime decides; it destroys the window through the platform layer.
  event->ignore();
  if (events_ != nullptr) {
    events_->on_close_requested();
  }
}

void MainWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
}

bool MainWindow::focusNextPrevChild(bool /*next*/) { return true; }

}  // namespace shiftpad
