#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/hyperlink/open_target.h"

namespace shiftpad {

// The desktop file id of the default application for a MIME type ("x-scheme-handler/https",
// "text/html"), following the freedesktop MIME applications rules: the Default
// Applications of the mimeapps.list files (desktop-specific ones first) in the config and
// data dirs, then their Added Associations, then the data dirs' mimeinfo.cache. Only ids
// whose desktop file is installed count.
std::optional<QString> default_application_for(const QString& mime_type);

// The Exec line of the default application's desktop entry for a MIME type.
std::optional<QString> default_exec_line_for(const QString& mime_type);

// The scheme of an address ("https" of "https://host/"), lower case; empty when it has none.
QString uri_scheme(const QString& address);

// Opens addresses the way the desktop does: the default handler of the address's scheme,
// started detached from its desktop entry's Exec line; the registered browser is the
// default handler of text/html. Never a shell, and nothing waits for the browser.
class XdgLinkShell final : public LinkShell {
 public:
  bool shell_open(const std::string& target) override;
  CommandSyntax command_syntax() const override { return CommandSyntax::DesktopEntryExec; }
  std::optional<std::string> registered_browser_command() override;
  bool start_command_line(const std::string& command_line) override;
  bool start_detached(const std::vector<std::string>& argv) override;
};

}  // namespace shiftpad
