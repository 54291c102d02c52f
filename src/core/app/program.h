#pragma once

#include <cstdint>

namespace shiftpad {

// The program's start routine: prepares the runtime, loads the main window and runs the
// message loop until the window is closed. Always returns 0.
std::int32_t run_program();

// Empty hooks the program offers the runtime at start and at exit.
void program_start_hook();
void program_exit_hook();

// The window's created event: every control exists, the window is not yet shown.
void handle_window_created();

}  // namespace shiftpad
