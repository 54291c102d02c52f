#include "platform/qt/quit_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace shiftpad {
namespace {

constexpr std::array kQuitSignals{SIGTERM, SIGINT, SIGHUP};

// Written only before the handlers are installed and after they are removed.
int write_end = -1;

extern "C" void write_signal_number(int signal_number) {
  const auto byte = static_cast<unsigned char>(signal_number);
  // Async-signal-safe; a full socket means a quit is already pending.
  [[maybe_unused]] const ssize_t written = ::write(write_end, &byte, 1);
}

void set_handler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal_number : kQuitSignals) {
    sigaction(signal_number, &action, nullptr);
  }
}

}  // namespace

QuitSignals::QuitSignals(PlatformLayer& platform) : platform_(platform) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets_.data()) != 0) {
    std::perror("shiftpad: socketpair");
    return;
  }
  write_end = sockets_[0];
  notifier_ = std::make_unique<QSocketNotifier>(sockets_[1], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this] { on_readable(); });
  set_handler(write_signal_number);
}

QuitSignals::~QuitSignals() {
  set_handler(SIG_DFL);
  notifier_.reset();
  write_end = -1;
  for (const int socket : sockets_) {
    if (socket >= 0) {
      ::close(socket);
    }
  }
}

void QuitSignals::on_readable() {
  unsigned char signal_number = 0;
  if (::read(sockets_[1], &signal_number, 1) == 1) {
    platform_.post_quit(128 + signal_number);
  }
}

}  // namespace shiftpad
