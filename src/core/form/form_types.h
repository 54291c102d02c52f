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

struct ControlForm {
  std::u16string_view name;
  UnitKind kind;
  UnitId id;
  Rect place;  // in the window's client area
  std::u16string_view text;
  bool tab_stop;
  std::span<const EventBinding> bindings;
};

struct WindowForm {
  UnitId id;
  std::u16string_view title;
  Size outer_size;
  std::span<const EventBinding> bindings;
  std::span<const ControlForm> controls;  // in the form's order
  const HyperlinkSettings* hyperlink;     // the settings of the one 超级链接框
};

}  // namespace shiftpad
