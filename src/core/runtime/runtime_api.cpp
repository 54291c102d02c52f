#include "core/runtime/runtime_api.h"

#include "core/runtime/current_runtime.h"
#include "core/runtime/fatal_error.h"
#include "core/runtime/runtime.h"

namespace shiftpad {
namespace {

Runtime* running = nullptr;

}  // namespace

void set_current_runtime(Runtime* runtime) { running = runtime; }

Runtime& current_runtime() {
  if (running == nullptr) {
    fatal_error("The runtime has not been started.");
  }
  return *running;
}

void start_runtime() { current_runtime().start_runtime(); }

void register_exit_hook(Handler hook) { current_runtime().register_exit_hook(hook); }

void load_window(UnitId window) { current_runtime().load_window(window); }

void run_message_loop() { current_runtime().run_message_loop(); }

bool raise_event(UnitId window, std::optional<UnitId> control, EventKind event) {
  return current_runtime().raise_event(window, control, event);
}

}  // namespace shiftpad
