#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/codec/cp936_codec.h"
#include "core/form/main_form.h"
#include "core/form/unit_id.h"
#include "core/runtime/runtime.h"
#include "platform/qt/qt_platform_layer.h"
#include "platform/qt/xdg_link_shell.h"

namespace shiftpad {
namespace {

constexpr Rect kOuter{{375, 296}, {274, 176}};

// Records what the window reports, and takes the keys it is told to take.
class RecordingEvents final : public NativeEvents {
 public:
  bool on_key_press(KeyPress key) override {
    keys.push_back(key);
    return take_keys;
  }
  void on_button_clicked(UnitId button) override { clicks.push_back(button); }
  void on_close_requested() override { ++close_requests; }
  void on_window_activated() override {}
  void on_window_deactivated(std::optional<UnitId> /*focused*/) override {}
  void on_text_edited(UnitId edit_box) override { edits.push_back(edit_box); }
  void on_window_destroyed() override {}

  bool take_keys = false;
  std::vector<KeyPress> keys;
  std::vector<UnitId> clicks;
  std::vector<UnitId> edits;
  int close_requests = 0;
};

bool same_key(const KeyPress& a, const KeyPress& b) {
  return a.key == b.key && a.shift == b.shift && a.ctrl == b.ctrl && a.alt == b.alt;
}

}  // namespace

// The window and its widgets on their own, reporting to a recorder.
class MainWindowWidgetsTest : public QObject {
  Q_OBJECT

 private:
  QWidget* widget(UnitId id) const { return platform_->window()->control(id); }
  QLineEdit* edit(UnitId id) const { return qobject_cast<QLineEdit*>(widget(id)); }

  XdgLinkShell shell_;
  std::unique_ptr<RecordingEvents> events_;
  std::unique_ptr<QtPlatformLayer> platform_;

  // NOLINTNEXTLINE(readability-redundant-access-specifiers): moc needs its own section
 private Q_SLOTS:
  void init() {
    events_ = std::make_unique<RecordingEvents>();
    platform_ = std::make_unique<QtPlatformLayer>(shell_);
    QVERIFY(platform_->create_window(main_form(), kOuter, *events_));
    platform_->show_window();
    QVERIFY(QTest::qWaitForWindowActive(platform_->window()));
    platform_->focus_control(units::编辑框1);
  }
  void cleanup() {
    platform_.reset();
    events_.reset();
  }

  // Offscreen there is no window manager to ask for the frame, so the client area is
  // the whole outer rectangle.
  void window_has_the_outer_size_without_a_frame() {
    QCOMPARE(platform_->window()->geometry(), QRect(375, 296, 274, 176));
    QVERIFY(platform_->window()->isVisible());
  }

  void edit_box_sets_no_length_limit() {
    const std::u16string long_text(100'000, u'字');
    platform_->set_control_text(units::编辑框1, long_text);
    QCOMPARE(platform_->control_text(units::编辑框1), long_text);
    QVERIFY(events_->edits.empty());  // a write is not an edit

    edit(units::编辑框1)->end(false);
    QTest::keyClick(widget(units::编辑框1), Qt::Key_A);
    QCOMPARE(platform_->control_text(units::编辑框1).size(), long_text.size() + 1);
    QCOMPARE(events_->edits, std::vector<UnitId>{units::编辑框1});
  }

  void text_round_trips_losslessly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QByteArray every_byte;
    for (int b = 1; b < 256; ++b) {
      every_byte.append(static_cast<char>(b));
    }
    QTest::newRow("every byte 01-FF") << every_byte;
    QTest::newRow("encrypted 加密") << QByteArray("\xBD\xD5\xC6\xE0");
    QTest::newRow("user-defined area") << QByteArray("\xAA\xA1\xFE\xFE\xA1@");
    QTest::newRow("blanks and &") << QByteArray("  a&&b  ");
  }
  void text_round_trips_losslessly() {
    QFETCH(QByteArray, bytes);
    const std::u16string text = decode_cp936(bytes.toStdString());
    platform_->set_control_text(units::编辑框2, text);
    QCOMPARE(platform_->control_text(units::编辑框2), text);
    QCOMPARE(QByteArray::fromStdString(encode_cp936(platform_->control_text(units::编辑框2))),
             bytes);
  }

  void each_key_reaches_the_runtime_once_data() {
    QTest::addColumn<int>("qt_key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("alt");
    const auto add = [](const char* name, Qt::Key qt_key, Qt::KeyboardModifiers modifiers, Key key,
                        bool shift, bool ctrl, bool alt) {
      QTest::newRow(name) << static_cast<int>(qt_key) << static_cast<int>(modifiers.toInt())
                          << static_cast<int>(key) << shift << ctrl << alt;
    };
    add("Tab", Qt::Key_Tab, {}, Key::Tab, false, false, false);
    add("Backtab", Qt::Key_Backtab, Qt::ShiftModifier, Key::Tab, true, false, false);
    add("Shift+Tab", Qt::Key_Tab, Qt::ShiftModifier, Key::Tab, true, false, false);
    add("Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, Key::Tab, false, true, false);
    add("Return", Qt::Key_Return, {}, Key::Enter, false, false, false);
    add("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, Key::Enter, false, false, false);
    add("Escape", Qt::Key_Escape, {}, Key::Escape, false, false, false);
    add("Shift+Escape", Qt::Key_Escape, Qt::ShiftModifier, Key::Escape, true, false, false);
    add("Alt+F1", Qt::Key_F1, Qt::AltModifier, Key::F1, false, false, true);
    add("letter", Qt::Key_Q, {}, Key::Other, false, false, false);
  }
  void each_key_reaches_the_runtime_once() {
    QFETCH(int, qt_key);
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(bool, ctrl);
    QFETCH(bool, alt);
    const KeyPress expected{static_cast<Key>(key), shift, ctrl, alt};
    for (const UnitId target : {units::编辑框1, units::按钮1}) {
      events_->keys.clear();
      platform_->focus_control(target);
      // Only the key itself: QTest would press the modifier keys first.
      QKeyEvent press(QEvent::KeyPress, qt_key, Qt::KeyboardModifiers(modifiers));
      QApplication::sendEvent(QApplication::focusWidget(), &press);
      QCOMPARE(events_->keys.size(), std::size_t{1});
      QVERIFY(same_key(events_->keys.front(), expected));
      QCOMPARE(platform_->focused_control(), std::optional{target});  // Qt moved nothing
    }
  }

  void a_taken_key_never_reaches_the_control() {
    events_->take_keys = true;
    QTest::keyClick(widget(units::编辑框1), Qt::Key_A);
    QCOMPARE(platform_->control_text(units::编辑框1), std::u16string());
    events_->take_keys = false;
    QTest::keyClick(widget(units::编辑框1), Qt::Key_A);
    QCOMPARE(platform_->control_text(units::编辑框1), std::u16string(u"a"));
  }

  void enter_clicks_no_button_and_space_does() {
    platform_->focus_control(units::按钮2);
    QTest::keyClick(widget(units::按钮2), Qt::Key_Return);
    QTest::keyClick(widget(units::按钮2), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(events_->clicks.empty());
    QTest::keyClick(widget(units::按钮2), Qt::Key_Space);
    QCOMPARE(events_->clicks, std::vector<UnitId>{units::按钮2});
  }

  void close_box_asks_the_runtime_and_keeps_the_window() {
    platform_->window()->close();
    QCOMPARE(events_->close_requests, 1);
    QVERIFY(platform_->window()->isVisible());
    platform_->destroy_window();
    QVERIFY(!platform_->window()->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(platform_->window(), nullptr);
  }
};

// The window driven by the real runtime: its key and focus rules, through Qt's keys.
class MainWindowRuntimeTest : public QObject {
  Q_OBJECT

 private:
  QWidget* widget(UnitId id) const { return platform_->window()->control(id); }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  XdgLinkShell shell_;
  std::unique_ptr<QtPlatformLayer> platform_;
  std::unique_ptr<Runtime> runtime_;

  // NOLINTNEXTLINE(readability-redundant-access-specifiers): moc needs its own section
 private Q_SLOTS:
  void init() {
    platform_ = std::make_unique<QtPlatformLayer>(shell_);
    runtime_ = std::make_unique<Runtime>(*platform_, main_form());
    runtime_->start_runtime();
    runtime_->load_window(units::窗口);
    QVERIFY(QTest::qWaitForWindowActive(platform_->window()));
  }
  void cleanup() {
    runtime_.reset();
    platform_.reset();
  }

  void focus_starts_in_the_input_box_and_tab_walks_the_order() {
    QCOMPARE(platform_->focused_control(), std::optional{units::编辑框1});
    for (const UnitId next : {units::编辑框2, units::按钮1, units::按钮2, units::编辑框1}) {
      press(Qt::Key_Tab);
      QCOMPARE(platform_->focused_control(), std::optional{next});
    }
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(platform_->focused_control(), std::optional{units::按钮2});
    press(Qt::Key_Left);  // a button's arrow keys would walk Qt's own chain
    QCOMPARE(platform_->focused_control(), std::optional{units::按钮2});
  }

  void enter_and_f1_do_nothing_and_space_runs_the_command() {
    QTest::keyClicks(widget(units::编辑框1), QStringLiteral("abc"));
    press(Qt::Key_Return);
    press(Qt::Key_F1);
    QCOMPARE(platform_->focused_control(), std::optional{units::编辑框1});
    QCOMPARE(platform_->control_text(units::编辑框2), std::u16string());

    platform_->focus_control(units::按钮2);
    press(Qt::Key_Return);
    QCOMPARE(platform_->control_text(units::编辑框2), std::u16string());
    press(Qt::Key_Space);
    QCOMPARE(platform_->control_text(units::编辑框2), std::u16string(u"bdf"));
  }

  void escape_closes_the_window_and_shift_escape_does_not() {
    press(Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(platform_->window()->isVisible());
    press(Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(platform_->window(), nullptr);
  }

  void focus_returns_after_deactivation() {
    platform_->focus_control(units::按钮1);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    platform_->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(platform_->window()));
    QCOMPARE(platform_->focused_control(), std::optional{units::按钮1});
  }
};

}  // namespace shiftpad

int main(int argc, char* argv[]) {
  const QApplication application(argc, argv);
  shiftpad::MainWindowWidgetsTest widgets;
  shiftpad::MainWindowRuntimeTest runtime;
  return QTest::qExec(&widgets, argc, argv) | QTest::qExec(&runtime, argc, argv);
}

#include "main_window_test.moc"
