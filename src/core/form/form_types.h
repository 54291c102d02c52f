#pragma once

#include <span>
#include <string_view>

#include "core/form/geometry.h"
#include "core/form/unit_id.h"

namespace shiftpad {

// The kinds of unit a form can hold.
enum class UnitKind {
  Window,        // 窗口
  EditBox,       // 编辑框
  Button,        // 按钮
  HyperlinkBox,  // 超级链接框
};

// Events that units raise. Only those with a binding reach a handler.
enum class EventKind {
  Created,         // the window: all controls exist, the window is not yet shown
  Clicked,         // a button
  CloseRequest,    // the window
  ContentChanged,  // an edit box's text changed
  FocusGained,
  FocusLost,
};

using Handler = void (*)();

struct EventBinding {
  EventKind event;
  Handler handler;
};

enum class LinkKind { WebAddress, EmailAddress };

// The hyperlink box kind's own settings.
struct HyperlinkSettings {
  std::u16string_view text;
  LinkKind link_kind = LinkKind::WebAddress;
  std::string_view email_address;
  std::string_view web_address;
  Rgb text_colour;
  Rgb visited_colour;
  Rgb hover_colour;
  // No background colour, border or font of its own: the system's face colour and font.
};

// The edit box kind's own settings. An edit box holds one line that scrolls sideways; its
// font is the system's default GUI font and its border a sunken three-dimensional edge.
struct EditBoxSettings {
  int max_length = 0;  // 0: no limit of its own
  bool read_only = false;
  bool password = false;
  bool hide_selection = true;  // not highlighted while the box lacks the focus
  Rgb text_colour{0, 0, 0};
  Rgb background_colour{255, 255, 255};
};

// The push button kind's own settings: a caption centred both ways, no picture.
struct ButtonSettings {
  bool is_default = false;  // a default button would take Enter
};

struct ControlForm {
  std::u16string_view name;
  UnitKind kind;
  UnitId id;
  Rect place;  // in the window's client area
  std::u16string_view text;
  bool tab_stop;
  std::span<const EventBinding> bindings;
  // The settings of the control's kind; only the one for its kind is set.
  const EditBoxSettings* edit_box = nullptr;
  const ButtonSettings* button = nullptr;
  const HyperlinkSettings* hyperlink = nullptr;
};

// The keys the window itself acts on.
struct WindowKeySettings {
  bool enter_moves_focus = false;
  bool esc_closes = true;
  // F1 opens no help: the program has none, so F1 does nothing.
};

// The window's frame and behaviour. Its background is the system's 3-D face colour and
// its font the system's default GUI font, both looked up as the system has them.
struct WindowSettings {
  bool resizable = false;  // a fixed dialog-style frame
  bool has_window_menu = true;
  bool has_close_button = true;
  bool has_minimise_button = false;
  bool has_maximise_button = false;
  bool centred_on_screen = true;  // on the full primary screen; else at stored_place
  Point stored_place{50, 50};
  bool taskbar_button = true;
  bool always_on_top = false;
  WindowKeySettings keys;
};

// The program icon: one image, used as the window's large and small icon and carried by
// the executable as its first icon group.
struct IconForm {
  std::string_view resource_name;
  Size size;
  int bits_per_pixel;
};

struct WindowForm {
  UnitId id;
  std::u16string_view title;
  Size outer_size;
  WindowSettings settings;
  IconForm icon;
  std::span<const EventBinding> bindings;
  std::span<const ControlForm> controls;  // in the form's order
};

}  // namespace shiftpad
