#pragma once

namespace shiftpad {

// The commands behind the two buttons: shift the input box's text into the output box,
// "解密" subtracting each byte's position and "加密" adding it. An empty input box also
// gets the keyboard focus. They reach the window only through window_operations.h.
void handle_decrypt_click();
void handle_encrypt_click();

}  // namespace shiftpad
