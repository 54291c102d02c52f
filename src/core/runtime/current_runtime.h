#pragma once

namespace shiftpad {

class Runtime;

// The runtime that run_program's operations reach: the one run_application made.
void set_current_runtime(Runtime* runtime);
Runtime& current_runtime();

}  // namespace shiftpad
