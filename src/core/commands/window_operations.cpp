#include "core/commands/window_operations.h"

#include "core/runtime/fatal_error.h"

namespace shiftpad {
namespace {

WindowOperations* installed = nullptr;

WindowOperations& operations() {
  if (installed == nullptr) {
    fatal_error("No window is loaded.");
  }
  return *installed;
}

}  // namespace

WindowOperations* install_window_operations(WindowOperations* operations) {
  WindowOperations* previous = installed;
  installed = operations;
  return previous;
}

ByteText read_control_text(UnitId window, UnitId control) {
  return operations().read_control_text(window, control);
}

void write_control_text(UnitId window, UnitId control, const ByteText& text) {
  operations().write_control_text(window, control, text);
}

void focus_control(UnitId window, UnitId control) { operations().focus_control(window, control); }

}  // namespace shiftpad
