#include "core/commands/commands.h"

#include "core/cipher/shift_text.h"
#include "core/commands/window_operations.h"

namespace shiftpad {
namespace {

// Both commands, step for step; only the direction differs.
void shift_input_into_output(ShiftDirection direction) {
  ByteText check_text = read_control_text(units::窗口, units::编辑框1);
  const bool input_is_empty = check_text.empty();
  release_text(check_text);
  if (input_is_empty) {
    focus_control(units::窗口, units::编辑框1);
  }
  // A second, separate read: the focus move may have raised events in between.
  ByteText input_text = read_control_text(units::窗口, units::编辑框1);
  ByteText output_text = shift_text(input_text, direction);
  release_text(input_text);
  write_control_text(units::窗口, units::编辑框2, output_text);
  release_text(output_text);
}

}  // namespace

void handle_decrypt_click() { shift_input_into_output(ShiftDirection::Decrypt); }

void handle_encrypt_click() { shift_input_into_output(ShiftDirection::Encrypt); }

}  // namespace shiftpad
