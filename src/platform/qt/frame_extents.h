#pragma once

#include <QWidget>

#include "core/rules/window_placement.h"

namespace shiftpad {

// The frame that the window manager will put around `window`, asked for before the
// window is mapped (_NET_REQUEST_FRAME_EXTENTS). All zero without a window manager that
// answers, and on platforms other than X11, where the client area is the whole window.
FrameExtents request_frame_extents(QWidget& window);

}  // namespace shiftpad
