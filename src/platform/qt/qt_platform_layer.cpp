#include "platform/qt/qt_platform_layer.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cstdlib>
#include <limits>

#include "core/rules/window_placement.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/frame_extents.h"
#include "platform/qt/hyperlink_widget.h"

namespace shiftpad {
namespace {

// Compiled into the program by its resources when the icon exists.
constexpr auto kIconPath = ":/shiftpad/shiftpad-48.png";

// The frame's buttons and menu as far as the window manager honours the hints. A normal
// window type keeps the taskbar entry: Qt::Dialog would make the window transient.
Qt::WindowFlags window_flags(const WindowSettings& settings) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  flags.setFlag(Qt::WindowSystemMenuHint, settings.has_window_menu);
  flags.setFlag(Qt::WindowCloseButtonHint, settings.has_close_button);
  flags.setFlag(Qt::WindowMinimizeButtonHint, settings.has_minimise_button);
  flags.setFlag(Qt::WindowMaximizeButtonHint, settings.has_maximise_button);
  flags.setFlag(Qt::WindowStaysOnTopHint, settings.always_on_top);
  if (!settings.taskbar_button) {
    flags = (flags & ~Qt::WindowType_Mask) | Qt::Tool;
  }
  return flags;
}

QColor to_qcolor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

QString to_qstring(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QRect to_qrect(Rect rect) {
  return {rect.origin.x, rect.origin.y, rect.size.width, rect.size.height};
}

QLineEdit* make_edit_box(const EditBoxSettings& settings, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  // With no limit of its own, lift Qt's: its default 32,767 would also cut what the
  // program writes.
  edit->setMaxLength(settings.max_length > 0 ? settings.max_length
                                             : std::numeric_limits<int>::max());
  edit->setFrame(true);
  edit->setReadOnly(settings.read_only);
  edit->setEchoMode(settings.password ? QLineEdit::Password : QLineEdit::Normal);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, to_qcolor(settings.background_colour));
  palette.setColor(QPalette::Text, to_qcolor(settings.text_colour));
  if (settings.hide_selection) {
    // The selection stays but is not shown while the window is inactive.
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     to_qcolor(settings.background_colour));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     to_qcolor(settings.text_colour));
  }
  edit->setPalette(palette);
  return edit;
}

QPushButton* make_button(const ControlForm& control, QWidget* parent) {
  auto* button = new QPushButton(to_qstring(control.text), parent);
  // Only a default button takes Enter; Qt's auto-default would make any focused one.
  button->setAutoDefault(false);
  button->setDefault(control.button->is_default);
  return button;
}

// The quit message: ends the event loop with its code when the loop fetches it.
class QuitEvent final : public QEvent {
 public:
  explicit QuitEvent(int code) : QEvent(type()), code_(code) {}
  static Type type() {
    static const auto registered = static_cast<Type>(registerEventType());
    return registered;
  }
  int code() const { return code_; }

 private:
  int code_;
};

class QuitReceiver final : public QObject {
 protected:
  bool event(QEvent* event) override {
    if (event->type() != QuitEvent::type()) {
      return QObject::event(event);
    }
    QCoreApplication::exit(static_cast<QuitEvent*>(event)->code());
    return true;
  }
};

}  // namespace

QtPlatformLayer::QtPlatformLayer(LinkShell& link_shell)
    : link_shell_(link_shell), quit_receiver_(std::make_unique<QuitReceiver>()) {
  // Only the runtime ends the loop.
  QApplication::setQuitOnLastWindowClosed(false);
}

QtPlatformLayer::~QtPlatformLayer() { delete window_.data(); }

Size QtPlatformLayer::primary_screen_size() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return {};
  }
  const QSize size = screen->geometry().size();
  return {size.width(), size.height()};
}

bool QtPlatformLayer::create_window(const WindowForm& form, Rect outer, NativeEvents& events) {
  install_accessible_roles();
  auto* window = new MainWindow(events);
  window_ = window;
  window->setWindowFlags(window_flags(form.settings));
  window->setWindowTitle(to_qstring(form.title));
  if (QFile::exists(QString::fromLatin1(kIconPath))) {
    window->setWindowIcon(QIcon(QString::fromLatin1(kIconPath)));
  }
  for (const ControlForm& control : form.controls) {
    create_control(control);
  }
  resize_window(outer.size, form.settings.resizable);
  // The native window must exist, still unmapped, for the window manager to measure it.
  if (window->winId() == 0) {
    return false;
  }
  const FrameExtents frame = request_frame_extents(*window);
  const Size client = client_size_for(outer.size, frame);
  resize_window(client, form.settings.resizable);
  // Once created, a window is placed by its client area (static gravity), so the client
  // goes where the frame's inside corner will be.
  window->setGeometry(outer.origin.x + frame.left, outer.origin.y + frame.top, client.width,
                      client.height);
  return true;
}

void QtPlatformLayer::resize_window(Size size, bool resizable) {
  if (resizable) {
    window_->resize(size.width, size.height);
  } else {
    window_->setFixedSize(size.width, size.height);
  }
}

void QtPlatformLayer::create_control(const ControlForm& control) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case UnitKind::EditBox: {
      QLineEdit* edit = make_edit_box(*control.edit_box, window_);
      QObject::connect(edit, &QLineEdit::textEdited, window_, [this, id = control.id] {
        if (auto* events = window_ ? window_->events() : nullptr) {
          events->on_text_edited(id);
        }
      });
      widget = edit;
      break;
    }
    case UnitKind::Button: {
      QPushButton* button = make_button(control, window_);
      QObject::connect(button, &QPushButton::clicked, window_, [this, id = control.id] {
        if (auto* events = window_ ? window_->events() : nullptr) {
          events->on_button_clicked(id);
        }
      });
      widget = button;
      break;
    }
    case UnitKind::HyperlinkBox:
      widget = new HyperlinkWidget(*control.hyperlink, control.place.size, link_shell_, window_);
      break;
    case UnitKind::Window:
      return;
  }
  if (control.tab_stop) {
    // Only the runtime's rules move the focus by keyboard; a click may still give it.
    widget->setFocusPolicy(Qt::ClickFocus);
  }
  widget->setGeometry(to_qrect(control.place));
  widget->show();
  window_->add_control(control.id, widget);
}

void QtPlatformLayer::show_window() {
  if (window_ == nullptr) {
    return;
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtPlatformLayer::destroy_window() {
  if (window_ == nullptr) {
    return;
  }
  window_->detach_events();
  window_->hide();
  // This may run inside one of the window's own event handlers.
  window_->deleteLater();
}

QLineEdit* QtPlatformLayer::edit_box(UnitId control) const {
  return window_ ? qobject_cast<QLineEdit*>(window_->control(control)) : nullptr;
}

std::u16string QtPlatformLayer::control_text(UnitId control) {
  const QLineEdit* edit = edit_box(control);
  return edit ? edit->text().toStdU16String() : std::u16string();
}

void QtPlatformLayer::set_control_text(UnitId control, std::u16string_view text) {
  if (QLineEdit* edit = edit_box(control)) {
    // setText reports textChanged only, never textEdited.
    edit->setText(to_qstring(text));
  }
}

void QtPlatformLayer::focus_control(UnitId control) {
  if (QWidget* widget = window_ ? window_->control(control) : nullptr) {
    widget->setFocus(Qt::OtherFocusReason);
  }
}

std::optional<UnitId> QtPlatformLayer::focused_control() {
  return window_ ? window_->unit_of(QApplication::focusWidget()) : std::nullopt;
}

int QtPlatformLayer::run_message_loop() { return QApplication::exec(); }

void QtPlatformLayer::post_quit(int code) {
  // Queued, so that the handler that asks for it runs to its end first.
  QCoreApplication::postEvent(quit_receiver_.get(), new QuitEvent(code));
}

void QtPlatformLayer::show_fatal_message(std::u16string_view message) {
  QMessageBox::critical(window_, QCoreApplication::applicationName(), to_qstring(message));
}

void QtPlatformLayer::end_process_now(int code) { std::_Exit(code); }

}  // namespace shiftpad
