#include "platform/qt/hyperlink_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace shiftpad {

HyperlinkWidget::HyperlinkWidget(const HyperlinkSettings& settings, Size size,
                                 LinkShell& link_shell, QWidget* parent)
    : QWidget(parent),
      state_(settings, size),
      link_shell_(link_shell),
      display_text_(QString::fromStdU16String(hyperlink_display_text(settings))) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(display_text_);
  // Every paint covers the whole box, so Qt need not erase it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void HyperlinkWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  const Rgb colour = state_.text_colour();
  painter.setPen(QColor(colour.red, colour.green, colour.blue));
  painter.setFont(font());
  // No Qt::TextShowMnemonic: "&" shows as itself.
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, display_text_);
}

void HyperlinkWidget::mouseMoveEvent(QMouseEvent* event) {
  // The pixel under the pointer: a fraction of a pixel before the right edge is inside.
  const QPointF position = event->position();
  const Point pixel{static_cast<int>(std::floor(position.x())),
                    static_cast<int>(std::floor(position.y()))};
  const HoverEffects effects = state_.on_mouse_move(pixel, QWidget::mouseGrabber() == this);
  if (effects.take_capture) {
    grabMouse();
  }
  if (effects.release_capture) {
    releaseMouse();
  }
  if (effects.repaint) {
    update();
  }
}

void HyperlinkWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  const bool opened = open_target(state_.settings(), link_shell_);
  if (state_.on_left_press(opened)) {
    update();
  }
}

void HyperlinkWidget::mouseDoubleClickEvent(QMouseEvent* /*event*/) {}

}  // namespace shiftpad
