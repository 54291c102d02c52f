#pragma once

#include <string>
#include <string_view>

#include "core/form/form_types.h"
#include "core/form/geometry.h"

namespace shiftpad {

// What a mouse move over the hyperlink box asks of the native widget.
struct HoverEffects {
  bool repaint = false;
  bool take_capture = false;
  bool release_capture = false;
  friend bool operator==(const HoverEffects&, const HoverEffects&) = default;
};

// The hyperlink box's run-time state, hovering and visited, and every decision that
// follows from it. The native widget only translates mouse events and paints.
class HyperlinkState {
 public:
  HyperlinkState(const HyperlinkSettings& settings, Size client_size);

  // A mouse move at `position` in the box's client coordinates; `holds_capture` says
  // whether the box still holds the mouse capture.
  HoverEffects on_mouse_move(Point position, bool holds_capture);
  // A left-button press: `opened` is open_target's result. Returns whether to repaint.
  bool on_left_press(bool opened);

  bool hovering() const { return hovering_; }
  bool visited() const { return visited_; }
  // Hover colour over visited colour over text colour.
  Rgb text_colour() const;
  const HyperlinkSettings& settings() const { return settings_; }

 private:
  bool contains(Point position) const;

  const HyperlinkSettings& settings_;
  Size client_size_;
  bool hovering_ = false;
  bool visited_ = false;
};

// The text the box shows: its text, or the target address when the text is empty (the
// e-mail address without "mailto:").
std::u16string hyperlink_display_text(const HyperlinkSettings& settings);

// The target handed to the shell: the web address exactly as stored, or "mailto:" and
// the e-mail address. Empty when the address is empty.
std::string hyperlink_target(const HyperlinkSettings& settings);

}  // namespace shiftpad
