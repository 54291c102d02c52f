#include "core/app/program.h"

#include "core/form/unit_id.h"
#include "core/runtime/runtime_api.h"

namespace shiftpad {

std::int32_t run_program() {
  start_runtime();
  program_start_hook();
  register_exit_hook(program_exit_hook);
  load_window(units::窗口);
  run_message_loop();
  return 0;
}

void program_start_hook() {}

void program_exit_hook() {}

void handle_window_created() {}

}  // namespace shiftpad
