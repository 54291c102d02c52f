#pragma once

namespace shiftpad {

// The Linux program from start to exit: the application object, the platform layer
// with the desktop's link opener and the quit signals, then the runtime. Returns the
// exit code for main to return.
int run_qt_program(int argc, char** argv);

}  // namespace shiftpad
