#pragma once

#include <optional>

#include "core/form/unit_id.h"

namespace shiftpad {

enum class FocusStep { Next, Previous };

// The focus order 编辑框1, 编辑框2, 按钮1, 按钮2, wrapping at both ends. From a control
// outside the order (or none), Next gives the first and Previous the last.
UnitId step_focus(std::optional<UnitId> current, FocusStep step);

// Remembers the focused control across a deactivation, and says where the focus goes
// when the window is activated again.
class FocusMemory {
 public:
  void remember(std::optional<UnitId> focused) { remembered_ = focused; }
  // The remembered control if it still exists (then it is forgotten), else 编辑框1.
  UnitId take_focus_target();

 private:
  std::optional<UnitId> remembered_;
};

}  // namespace shiftpad
