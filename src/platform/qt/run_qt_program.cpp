#include "platform/qt/run_qt_program.h"

#include <QApplication>

#include "core/runtime/runtime.h"
#include "platform/qt/qt_platform_layer.h"
#include "platform/qt/quit_signals.h"
#include "platform/qt/xdg_link_shell.h"

namespace shiftpad {

int run_qt_program(int argc, char** argv) {
  // QApplication keeps a reference to argc, which lives as long as this call.
  const QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("shiftpad"));
  QApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));
  // Lets the desktop match the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.quorrin.Shiftpad"));
  XdgLinkShell link_shell;
  QtPlatformLayer platform(link_shell);
  const QuitSignals quit_signals(platform);
  return run_application(platform);
}

}  // namespace shiftpad
