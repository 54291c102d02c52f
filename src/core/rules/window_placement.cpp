#include "core/rules/window_placement.h"

namespace shiftpad {

Rect centred_outer_rect(Size screen, Size outer_size) {
  // C++ integer division truncates toward zero, which is the rule.
  return {{(screen.width - outer_size.width) / 2, (screen.height - outer_size.height) / 2},
          outer_size};
}

Size client_size_for(Size outer_size, FrameExtents frame) {
  return {outer_size.width - frame.left - frame.right,
          outer_size.height - frame.top - frame.bottom};
}

}  // namespace shiftpad
