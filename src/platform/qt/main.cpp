#include <QApplication>

#include "core/runtime/runtime.h"
#include "platform/qt/qt_platform_layer.h"
#include "platform/qt/quit_signals.h"
#include "platform/qt/xdg_link_shell.h"

int main(int argc, char* argv[]) {
  const QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("shiftpad"));
  shiftpad::XdgLinkShell link_shell;
  shiftpad::QtPlatformLayer platform(link_shell);
  const shiftpad::QuitSignals quit_signals(platform);
  return shiftpad::run_application(platform);
}
