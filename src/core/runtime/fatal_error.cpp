#include "core/runtime/fatal_error.h"

#include <cstdio>
#include <cstdlib>

namespace shiftpad {
namespace {

FatalErrorReporter* current_reporter = nullptr;

}  // namespace

void set_fatal_error_reporter(FatalErrorReporter* reporter) { current_reporter = reporter; }

void fatal_error(std::string_view message) {
  if (current_reporter != nullptr) {
    current_reporter->report_fatal_error(message);
  }
  std::fprintf(stderr, "shiftpad: fatal error: %.*s\n", static_cast<int>(message.size()),
               message.data());
  std::fflush(stderr);
  std::_Exit(-1);
}

}  // namespace shiftpad
