#include "platform/qt/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace shiftpad {
namespace {

QString unescape_value(const QString& raw) {
  QString value;
  value.reserve(raw.size());
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const QChar c = raw.at(i);
    if (c != u'\\' || i + 1 == raw.size()) {
      value.append(c);
      continue;
    }
    const QChar escaped = raw.at(++i);
    switch (escaped.unicode()) {
      case u's':
        value.append(u' ');
        break;
      case u'n':
        value.append(u'\n');
        break;
      case u't':
        value.append(u'\t');
        break;
      case u'r':
        value.append(u'\r');
        break;
      default:  // "\\" and escapes of other types ("\;" in lists) keep their character
        if (escaped != u'\\') {
          value.append(u'\\');
        }
        value.append(escaped);
    }
  }
  return value;
}

bool is_group_header(const QString& line) { return line.startsWith(u'[') && line.endsWith(u']'); }

std::optional<QString> find_in_subfolders(const QString& folder, const QString& id) {
  const QString direct = folder + u'/' + id;
  if (QFileInfo(direct).isFile()) {
    return direct;
  }
  for (qsizetype dash = id.indexOf(u'-'); dash > 0; dash = id.indexOf(u'-', dash + 1)) {
    const QString subfolder = folder + u'/' + id.left(dash);
    if (QFileInfo(subfolder).isDir()) {
      if (auto found = find_in_subfolders(subfolder, id.mid(dash + 1))) {
        return found;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<QString> read_key_file_value(const QString& path, const QString& group,
                                           const QString& key) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return std::nullopt;
  }
  QTextStream stream(&file);
  const QString header = u'[' + group + u']';
  bool in_group = false;
  QString line;
  while (stream.readLineInto(&line)) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) {
      continue;
    }
    if (is_group_header(line)) {
      in_group = line == header;
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (in_group && equals > 0 && line.left(equals).trimmed() == key) {
      return unescape_value(line.mid(equals + 1).trimmed());
    }
  }
  return std::nullopt;
}

QStringList split_desktop_id_list(const QString& value) {
  return value.split(u';', Qt::SkipEmptyParts);
}

std::optional<QString> find_desktop_file(const QString& desktop_id, const QStringList& data_dirs) {
  if (desktop_id.isEmpty() || desktop_id.contains(u'/')) {
    return std::nullopt;
  }
  for (const QString& dir : data_dirs) {
    if (auto found =
            find_in_subfolders(QDir(dir).filePath(QStringLiteral("applications")), desktop_id)) {
      return found;
    }
  }
  return std::nullopt;
}

}  // namespace shiftpad
