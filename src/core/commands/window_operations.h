#pragma once

#include "core/form/unit_id.h"
#include "core/text/byte_text.h"

namespace shiftpad {

// What the commands need of a window: read and write a control's text, move the focus.
// The runtime provides them for the real window; a test provides an in-memory one.
// Each addresses a control by (window, control); a window or control that does not
// exist ends in fatal_error.
class WindowOperations {
 public:
  virtual ~WindowOperations() = default;
  // The control's whole text as code-page-936 bytes; the null handle when it is empty.
  virtual ByteText read_control_text(UnitId window, UnitId control) = 0;
  // Replaces the control's whole text; the control raises its content-changed event once.
  virtual void write_control_text(UnitId window, UnitId control, const ByteText& text) = 0;
  virtual void focus_control(UnitId window, UnitId control) = 0;
};

// Installs the operations the commands reach; nullptr uninstalls. Returns the previous.
WindowOperations* install_window_operations(WindowOperations* operations);

// Forward to the installed operations; with none installed they end in fatal_error.
ByteText read_control_text(UnitId window, UnitId control);
void write_control_text(UnitId window, UnitId control, const ByteText& text);
void focus_control(UnitId window, UnitId control);

}  // namespace shiftpad
