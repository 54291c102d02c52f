#pragma once

namespace shiftpad {

// Tells screen readers what the program's own widgets are: the main window is a frame
// named by its title, and the hyperlink line is a link. Call once, before the window is
// built.
void install_accessible_roles();

}  // namespace shiftpad
