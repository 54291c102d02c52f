#pragma once

#include <QSocketNotifier>
#include <array>
#include <memory>

#include "core/runtime/platform_layer.h"

namespace shiftpad {

// Turns SIGTERM, SIGINT and SIGHUP into a quit message with code 128 + the signal's
// number, as if posted to the UI thread from outside. The handler only writes the
// signal's number to a socket; the event loop reads it.
class QuitSignals {
 public:
  explicit QuitSignals(PlatformLayer& platform);
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;
  QuitSignals(QuitSignals&&) = delete;
  QuitSignals& operator=(QuitSignals&&) = delete;
  ~QuitSignals();

 private:
  void on_readable();

  PlatformLayer& platform_;
  std::array<int, 2> sockets_{-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace shiftpad
