#include "core/hyperlink/hyperlink_state.h"

namespace shiftpad {

HyperlinkState::HyperlinkState(const HyperlinkSettings& settings, Size client_size)
    : settings_(settings), client_size_(client_size) {}

HoverEffects HyperlinkState::on_mouse_move(Point position, bool holds_capture) {
  if (!hovering_) {
    // The first move counts wherever it lands: the box only sees moves over itself
    // until it holds the capture.
    hovering_ = true;
    return {.repaint = true, .take_capture = true};
  }
  if (!contains(position)) {
    hovering_ = false;
    return {.repaint = true, .release_capture = true};
  }
  // Another window may have taken the capture; without it the box would miss the move
  // that leaves it and stay blue.
  return {.take_capture = !holds_capture};
}

bool HyperlinkState::on_left_press(bool opened) {
  visited_ = opened;
  return opened;
}

Rgb HyperlinkState::text_colour() const {
  if (hovering_) {
    return settings_.hover_colour;
  }
  return visited_ ? settings_.visited_colour : settings_.text_colour;
}

bool HyperlinkState::contains(Point position) const {
  return position.x >= 0 && position.y >= 0 && position.x < client_size_.width &&
         position.y < client_size_.height;
}

std::string hyperlink_target(const HyperlinkSettings& settings) {
  if (settings.link_kind == LinkKind::WebAddress) {
    return std::string(settings.web_address);
  }
  if (settings.email_address.empty()) {
    return {};
  }
  return "mailto:" + std::string(settings.email_address);
}

}  // namespace shiftpad
