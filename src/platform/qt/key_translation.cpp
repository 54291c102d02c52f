#include "platform/qt/key_translation.h"

namespace shiftpad {
namespace {

Key translate_key_code(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_F1:
      return Key::F1;
    default:
      return Key::Other;
  }
}

}  // namespace

KeyPress translate_key(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return {
      .key = translate_key_code(event.key()),
      .shift = modifiers.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
      .ctrl = modifiers.testFlag(Qt::ControlModifier),
      .alt = modifiers.testFlag(Qt::AltModifier),
  };
}

}  // namespace shiftpad
