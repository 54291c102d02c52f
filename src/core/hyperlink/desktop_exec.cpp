// Exec lines are taken strictly: anything outside the Desktop Entry grammar makes the
// line malformed rather than guessed at, because an entry that leans on shell syntax
// cannot be honoured without a shell, and a shell is never used.
//
// The line arrives with the key file's own string escapes (\s \n \t \r \\) already
// undone; what remains is the quoting of the Exec key:
//  - arguments are separated by blanks; an argument is either bare or quoted as a whole
//    in double quotes ("a b"), never partly (--x="a b" is malformed);
//  - a bare argument may not hold a reserved character: tab, newline, " ' \ > < ~ | & ;
//    $ * ? # ( ) and `;
//  - inside quotes a backslash escapes exactly " ` $ and \; any other backslash, and a
//    quote left open, make the line malformed;
//  - the program (the first argument) may not be empty or hold "=" or a field code.
// Field codes are expanded after the quotes are undone, so a quoted "%u" acts like a bare
// one:
//  - %u and %f become the target, standing alone or inside a larger argument
//    (--url=%u); %U and %F become the target only as a whole argument of their own;
//  - at most one of %u %U %f %F may appear;
//  - %% becomes %; %i %c %k and the deprecated %d %D %n %N %v %m expand to nothing (as a
//    whole argument they leave no argument behind);
//  - any other field code, or a % ending an argument, is malformed.
// A line without %u %U %f %F gets the target as its last argument.

#include <algorithm>
#include <utility>

#include "core/hyperlink/open_target.h"

namespace shiftpad {
namespace {

constexpr std::string_view kReservedBare = "\t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

bool is_one_of(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

// Reads the quoted argument whose opening quote stands at `pos`; leaves `pos` just after
// the closing quote.
std::optional<std::string> read_quoted(std::string_view line, std::size_t& pos) {
  std::string argument;
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return argument;
    }
    if (c == '\\') {
      if (pos + 1 == line.size() || !is_one_of(line[pos + 1], kEscapedInQuotes)) {
        return std::nullopt;
      }
      c = line[++pos];
    }
    argument += c;
  }
  return std::nullopt;
}

// Reads the bare argument starting at `pos`; leaves `pos` at the blank or end after it.
std::optional<std::string> read_bare(std::string_view line, std::size_t& pos) {
  const std::size_t end = std::min(line.find(' ', pos), line.size());
  const std::string_view word = line.substr(pos, end - pos);
  if (word.find_first_of(kReservedBare) != std::string_view::npos) {
    return std::nullopt;
  }
  pos = end;
  return std::string(word);
}

std::optional<std::vector<std::string>> split_exec_line(std::string_view line) {
  std::vector<std::string> arguments;
  std::size_t pos = 0;
  while ((pos = line.find_first_not_of(' ', pos)) != std::string_view::npos) {
    auto argument = line[pos] == '"' ? read_quoted(line, pos) : read_bare(line, pos);
    if (!argument || (pos < line.size() && line[pos] != ' ')) {
      return std::nullopt;
    }
    arguments.push_back(std::move(*argument));
  }
  return arguments;
}

enum class FieldCode { Percent, Target, TargetList, Dropped, Unknown };

FieldCode field_code(char letter) {
  switch (letter) {
    case '%':
      return FieldCode::Percent;
    case 'u':
    case 'f':
      return FieldCode::Target;
    case 'U':
    case 'F':
      return FieldCode::TargetList;
    case 'i':
    case 'c':
    case 'k':
    case 'd':
    case 'D':
    case 'n':
    case 'N':
    case 'v':
    case 'm':
      return FieldCode::Dropped;
    default:
      return FieldCode::Unknown;
  }
}

class ExecExpansion {
 public:
  explicit ExecExpansion(std::string_view target) : target_(target) {}

  // Appends what one unquoted argument expands to; false when it is malformed.
  bool add(std::string_view argument) {
    if (argument.size() == 2 && argument.front() == '%') {
      switch (field_code(argument.back())) {
        case FieldCode::Target:
        case FieldCode::TargetList:
          return add_target_argument();
        case FieldCode::Dropped:
          return true;
        case FieldCode::Percent:
        case FieldCode::Unknown:
          break;  // the general path decides
      }
    }
    return add_embedded(argument);
  }

  std::vector<std::string> finish() && {
    if (!has_target_) {
      argv_.emplace_back(target_);
    }
    return std::move(argv_);
  }

 private:
  bool add_target_argument() {
    if (!claim_target()) {
      return false;
    }
    argv_.emplace_back(target_);
    return true;
  }

  bool add_embedded(std::string_view argument) {
    std::string expanded;
    for (std::size_t i = 0; i < argument.size(); ++i) {
      if (argument[i] != '%') {
        expanded += argument[i];
        continue;
      }
      if (++i == argument.size() || !expand_code(argument[i], expanded)) {
        return false;
      }
    }
    argv_.push_back(std::move(expanded));
    return true;
  }

  bool expand_code(char letter, std::string& expanded) {
    switch (field_code(letter)) {
      case FieldCode::Percent:
        expanded += '%';
        return true;
      case FieldCode::Target:
        expanded += target_;
        return claim_target();
      case FieldCode::Dropped:
        return true;
      case FieldCode::TargetList:  // a list cannot be spliced into one argument
      case FieldCode::Unknown:
        break;
    }
    return false;
  }

  bool claim_target() { return !std::exchange(has_target_, true); }

  std::string_view target_;
  std::vector<std::string> argv_;
  bool has_target_ = false;
};

bool is_valid_program(std::string_view program) {
  return !program.empty() && program.find_first_of("=%") == std::string_view::npos;
}

}  // namespace

std::optional<std::vector<std::string>> expand_desktop_exec(std::string_view exec_line,
                                                            std::string_view target) {
  const std::optional<std::vector<std::string>> arguments = split_exec_line(exec_line);
  if (!arguments || arguments->empty() || !is_valid_program(arguments->front())) {
    return std::nullopt;
  }
  ExecExpansion expansion(target);
  for (const std::string& argument : *arguments) {
    if (!expansion.add(argument)) {
      return std::nullopt;
    }
  }
  return std::move(expansion).finish();
}

}  // namespace shiftpad
