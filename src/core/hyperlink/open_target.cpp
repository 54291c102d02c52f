#include "core/hyperlink/open_target.h"

#include "core/hyperlink/hyperlink_state.h"

namespace shiftpad {
namespace {

bool start_registered_browser(LinkShell& shell, const std::string& target) {
  const std::optional<std::string> command = shell.registered_browser_command();
  if (!command) {
    return false;
  }
  switch (shell.command_syntax()) {
    case CommandSyntax::WindowsCommandLine:
      return shell.start_command_line(splice_command_line(*command, target));
    case CommandSyntax::DesktopEntryExec: {
      const auto argv = expand_desktop_exec(*command, target);
      return argv && shell.start_detached(*argv);
    }
  }
  return false;
}

}  // namespace

bool open_target(const HyperlinkSettings& settings, LinkShell& shell) {
  const std::string target = hyperlink_target(settings);
  if (target.empty()) {
    return false;
  }
  return shell.shell_open(target) || start_registered_browser(shell, target);
}

}  // namespace shiftpad
