#pragma once

#include <optional>

#include "core/form/form_types.h"
#include "core/form/unit_id.h"

namespace shiftpad {

// The runtime operations as run_program calls them: each forwards to the running
// runtime (run_application makes one), and ends in fatal_error when none runs.
void start_runtime();
void register_exit_hook(Handler hook);
void load_window(UnitId window);
void run_message_loop();
bool raise_event(UnitId window, std::optional<UnitId> control, EventKind event);

}  // namespace shiftpad
