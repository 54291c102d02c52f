#pragma once

#include <QKeyEvent>

#include "core/rules/key_rules.h"

namespace shiftpad {

// The core's view of a Qt key press. Qt reports Shift+Tab as Key_Backtab.
KeyPress translate_key(const QKeyEvent& event);

}  // namespace shiftpad
