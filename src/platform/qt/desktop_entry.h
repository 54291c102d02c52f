#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace shiftpad {

// The value of `key` in group `group` of a freedesktop key file (desktop entries and
// mimeapps.list), with the string escapes \s \n \t \r \\ resolved. Locale-suffixed
// keys (Name[de]) are other keys. nullopt when the file, group or key is missing.
std::optional<QString> read_key_file_value(const QString& path, const QString& group,
                                           const QString& key);

// The desktop file ids in a semicolon-separated list, empty items dropped.
QStringList split_desktop_id_list(const QString& value);

// The desktop entry file for a desktop file id under the data dirs' "applications"
// folders, where "-" in the id may stand for a subfolder ("kde-foo.desktop" is
// applications/kde/foo.desktop). The first data dir that has it wins.
std::optional<QString> find_desktop_file(const QString& desktop_id, const QStringList& data_dirs);

}  // namespace shiftpad
