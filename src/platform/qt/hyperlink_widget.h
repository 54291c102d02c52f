#pragma once

#include <QWidget>

#include "core/form/form_types.h"
#include "core/hyperlink/hyperlink_state.h"
#include "core/hyperlink/open_target.h"

namespace shiftpad {

// The hyperlink box: paints the core's HyperlinkState and passes mouse moves and left
// presses to it; the state decides colours, capture and repaints.
class HyperlinkWidget final : public QWidget {
 public:
  HyperlinkWidget(const HyperlinkSettings& settings, Size size, LinkShell& link_shell,
                  QWidget* parent);

  const HyperlinkState& state() const { return state_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // The second press of a double click does nothing (QWidget's default would press).
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  HyperlinkState state_;
  LinkShell& link_shell_;
  QString display_text_;
};

}  // namespace shiftpad
