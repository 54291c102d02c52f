#pragma once

#include <string_view>

namespace shiftpad {

// Ends the process after a failure the program cannot go on from: an allocation that
// fails, a window or control that cannot be found or created. The runtime reports the
// failure itself; the program's own code never sees it.
[[noreturn]] void fatal_error(std::string_view message);

// Who reports a fatal error. Without one, the report goes to stderr and the process ends
// with exit code -1 at once, without running exit handlers.
class FatalErrorReporter {
 public:
  virtual ~FatalErrorReporter() = default;
  [[noreturn]] virtual void report_fatal_error(std::string_view message) = 0;
};

// Installs the reporter that the running runtime provides; nullptr restores the default.
void set_fatal_error_reporter(FatalErrorReporter* reporter);

}  // namespace shiftpad
