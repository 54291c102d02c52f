#pragma once

#include "core/form/geometry.h"

namespace shiftpad {

// The window's outer rectangle: `outer_size`, centred on the full primary screen, with
// the division truncating toward zero (a screen smaller than the window gives a
// negative corner, as it would on the system).
Rect centred_outer_rect(Size screen, Size outer_size);

// The frame's widths around the client area, as the window manager or system reports.
struct FrameExtents {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};

// The client size that makes the outer size come out exactly `outer_size`.
Size client_size_for(Size outer_size, FrameExtents frame);

}  // namespace shiftpad
