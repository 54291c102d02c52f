#include "platform/qt/xdg_link_shell.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#include "platform/qt/desktop_entry.h"

namespace shiftpad {
namespace {

QStringList data_dirs() {
  return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
}

// The mimeapps.list files in the order that they are consulted.
QStringList mimeapps_lists() {
  QStringList desktops;
  for (const QString& desktop : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':')) {
    if (!desktop.isEmpty()) {
      desktops.append(desktop.toLower() + QStringLiteral("-mimeapps.list"));
    }
  }
  desktops.append(QStringLiteral("mimeapps.list"));

  QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  for (const QString& dir : data_dirs()) {
    folders.append(QDir(dir).filePath(QStringLiteral("applications")));
  }
  QStringList lists;
  for (const QString& folder : folders) {
    for (const QString& name : desktops) {
      lists.append(QDir(folder).filePath(name));
    }
  }
  return lists;
}

std::optional<QString> first_installed(const QStringList& files, const QString& group,
                                       const QString& mime_type) {
  for (const QString& file : files) {
    const auto value = read_key_file_value(file, group, mime_type);
    for (const QString& id : split_desktop_id_list(value.value_or(QString()))) {
      if (find_desktop_file(id, data_dirs())) {
        return id;
      }
    }
  }
  return std::nullopt;
}

QStringList mime_caches() {
  QStringList caches;
  for (const QString& dir : data_dirs()) {
    caches.append(QDir(dir).filePath(QStringLiteral("applications/mimeinfo.cache")));
  }
  return caches;
}

bool is_scheme_char(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'+' || c == u'-' || c == u'.';
}

}  // namespace

std::optional<QString> default_application_for(const QString& mime_type) {
  const QStringList lists = mimeapps_lists();
  if (auto id = first_installed(lists, QStringLiteral("Default Applications"), mime_type)) {
    return id;
  }
  if (auto id = first_installed(lists, QStringLiteral("Added Associations"), mime_type)) {
    return id;
  }
  return first_installed(mime_caches(), QStringLiteral("MIME Cache"), mime_type);
}

std::optional<QString> default_exec_line_for(const QString& mime_type) {
  const auto id = default_application_for(mime_type);
  const auto file = id ? find_desktop_file(*id, data_dirs()) : std::nullopt;
  if (!file) {
    return std::nullopt;
  }
  return read_key_file_value(*file, QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
}

QString uri_scheme(const QString& address) {
  const qsizetype colon = address.indexOf(u':');
  if (colon <= 0 || !address.at(0).isLetter()) {
    return {};
  }
  const QString scheme = address.left(colon);
  if (!std::all_of(scheme.begin(), scheme.end(), is_scheme_char)) {
    return {};
  }
  return scheme.toLower();
}

bool XdgLinkShell::shell_open(const std::string& target) {
  const QString scheme = uri_scheme(QString::fromStdString(target));
  if (scheme.isEmpty()) {
    return false;
  }
  const auto exec_line = default_exec_line_for(QStringLiteral("x-scheme-handler/") + scheme);
  if (!exec_line) {
    return false;
  }
  const auto argv = expand_desktop_exec(exec_line->toStdString(), target);
  return argv && start_detached(*argv);
}

std::optional<std::string> XdgLinkShell::registered_browser_command() {
  const auto exec_line = default_exec_line_for(QStringLiteral("text/html"));
  if (!exec_line) {
    return std::nullopt;
  }
  return exec_line->toStdString();
}

bool XdgLinkShell::start_command_line(const std::string& /*command_line*/) {
  // Desktop entries are started as argument vectors; there is no command-line string here.
  return false;
}

bool XdgLinkShell::start_detached(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) {
    return false;
  }
  QStringList arguments;
  for (auto it = argv.begin() + 1; it != argv.end(); ++it) {
    arguments.append(QString::fromStdString(*it));
  }
  return QProcess::startDetached(QString::fromStdString(argv.front()), arguments);
}

}  // namespace shiftpad
