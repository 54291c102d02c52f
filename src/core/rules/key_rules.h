#pragma once

#include "core/form/form_types.h"

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

// A key counts only without Shift, Ctrl and Alt, except Shift+Tab. Unless the window
// says otherwise, Enter passes on (there is no default button and it does not move the
// focus) and Esc asks to close. F1 does nothing: the program has no help.
KeyAction decide_key_action(KeyPress key, WindowKeySettings settings = {});

// Whether the control must not see the key.
inline bool window_takes_key(KeyAction action) { return action != KeyAction::PassToControl; }

}  // namespace shiftpad
