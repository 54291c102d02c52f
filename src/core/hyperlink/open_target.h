#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/form/form_types.h"

namespace shiftpad {

// How a registered browser command is written on this platform.
enum class CommandSyntax {
  WindowsCommandLine,  // a registry "shell\open\command" value, started as one string
  DesktopEntryExec,    // a desktop entry's Exec line, started as an argument vector
};

// The desktop's facilities for opening an address. The platform layer implements it;
// open_target makes every decision.
class LinkShell {
 public:
  virtual ~LinkShell() = default;
  // The shell's "open" on the target (Windows: ShellExecute; Linux: the default opener).
  // True when the shell reports success and a handler was started.
  virtual bool shell_open(const std::string& target) = 0;
  virtual CommandSyntax command_syntax() const = 0;
  // The command registered for web pages, or nullopt when it cannot be read.
  virtual std::optional<std::string> registered_browser_command() = 0;
  // Starts a command line (WindowsCommandLine) shown normally; true on success.
  virtual bool start_command_line(const std::string& command_line) = 0;
  // Starts a program with these arguments, detached, no shell (DesktopEntryExec).
  virtual bool start_detached(const std::vector<std::string>& argv) = 0;
};

// Hands the box's target to the shell, falling back to the registered browser with the
// target appended. False when the address is empty or nothing could be started.
bool open_target(const HyperlinkSettings& settings, LinkShell& shell);

// The registered command line with everything from the first "\"%1\"" (else the first
// bare %1) cut off, then one blank and the target, unquoted.
std::string splice_command_line(std::string_view command_line, std::string_view target);

// A desktop entry's Exec line split into arguments by freedesktop.org's Desktop Entry
// quoting rules, with its field codes expanded for one URL: %u %U %f %F become the
// target, %% a percent sign, %i %c %k and the deprecated codes nothing. A line that
// names no %u/%U/%f/%F gets the target appended. nullopt when the line is malformed.
std::optional<std::vector<std::string>> expand_desktop_exec(std::string_view exec_line,
                                                            std::string_view target);

}  // namespace shiftpad
