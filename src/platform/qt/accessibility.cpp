#include "platform/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "platform/qt/hyperlink_widget.h"
#include "platform/qt/main_window.h"

namespace shiftpad {
namespace {

// Without this, a plain QWidget reaches the accessibility bus as an anonymous filler.
QAccessibleInterface* accessible_for(const QString& /*class_name*/, QObject* object) {
  if (auto* window = dynamic_cast<MainWindow*>(object)) {
    return new QAccessibleWidget(window, QAccessible::Window);
  }
  if (auto* link = dynamic_cast<HyperlinkWidget*>(object)) {
    return new QAccessibleWidget(link, QAccessible::Link);
  }
  return nullptr;
}

}  // namespace

void install_accessible_roles() {
  static const bool installed = [] {
    QAccessible::installFactory(accessible_for);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace shiftpad
