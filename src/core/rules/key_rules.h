#pragma once

namespace shiftpad {

enum class Key { Tab, Enter, Escape, F1, Other };

struct KeyPress {
  Key key = Key::Other;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// What the window does with a key press before the focused control sees it.
enum class KeyAction {
  PassToControl,  // the control gets the key unchanged
  FocusNext,      // Tab
  FocusPrevious,  // Shift+Tab
  RequestClose,   // Esc
  Swallow,        // F1: nothing happens, and the control does not see it either
};

// A key counts only without Shift, Ctrl and Alt, except Shift+Tab. Enter passes on:
// there is no default button and Enter does not move the focus.
KeyAction decide_key_action(KeyPress key);

// Whether the control must not see the key.
inline bool window_takes_key(KeyAction action) { return action != KeyAction::PassToControl; }

}  // namespace shiftpad
