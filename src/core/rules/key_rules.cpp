#include "core/rules/key_rules.h"

namespace shiftpad {

KeyAction decide_key_action(KeyPress key, WindowKeySettings settings) {
  const bool plain = !key.shift && !key.ctrl && !key.alt;
  const bool shift_only = key.shift && !key.ctrl && !key.alt;
  switch (key.key) {
    case Key::Tab:
      if (plain) {
        return KeyAction::FocusNext;
      }
      return shift_only ? KeyAction::FocusPrevious : KeyAction::PassToControl;
    case Key::Escape:
      return plain && settings.esc_closes ? KeyAction::RequestClose : KeyAction::PassToControl;
    case Key::F1:
      return plain ? KeyAction::Swallow : KeyAction::PassToControl;
    case Key::Enter:
      return plain && settings.enter_moves_focus ? KeyAction::FocusNext : KeyAction::PassToControl;
    case Key::Other:
      break;
  }
  return KeyAction::PassToControl;
}

}  // namespace shiftpad
