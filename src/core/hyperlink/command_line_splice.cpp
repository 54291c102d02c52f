#include "core/hyperlink/open_target.h"

namespace shiftpad {

std::string splice_command_line(std::string_view command_line, std::string_view target) {
  // The placeholder and whatever follows it (often more switches meant for a document
  // path) give way to the target; the quotes go with the quoted placeholder, so the
  // target follows unquoted.
  std::size_t cut = command_line.find("\"%1\"");
  if (cut == std::string_view::npos) {
    cut = command_line.find("%1");
  }
  std::string spliced(command_line.substr(0, cut));
  spliced += ' ';
  spliced += target;
  return spliced;
}

}  // namespace shiftpad
