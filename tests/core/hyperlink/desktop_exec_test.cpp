#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/hyperlink/open_target.h"

namespace shiftpad {
namespace {

using Argv = std::vector<std::string>;

constexpr std::string_view kTarget = "www.quorrin.example";
const std::string kT(kTarget);

struct Case {
  std::string_view exec_line;
  std::optional<Argv> argv;  // nullopt: malformed
};

void expect_expansions(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(expand_desktop_exec(c.exec_line, kTarget), c.argv) << c.exec_line;
  }
}

TEST(ExpandDesktopExec, FileAndUrlFieldCodesBecomeTheTarget) {
  expect_expansions({
      {"browser %u", Argv{"browser", kT}},
      {"browser %U", Argv{"browser", kT}},
      {"browser %f", Argv{"browser", kT}},
      {"browser %F", Argv{"browser", kT}},
      {"browser --new-window %u --private", Argv{"browser", "--new-window", kT, "--private"}},
      {"browser --url=%u", Argv{"browser", "--url=" + kT}},
      {"browser --file=%f.html", Argv{"browser", "--file=" + kT + ".html"}},
      {R"(browser "%u")", Argv{"browser", kT}},
      // no file or URL field code: the target goes last
      {"browser", Argv{"browser", kT}},
      {"browser --new-window", Argv{"browser", "--new-window", kT}},
  });
}

TEST(ExpandDesktopExec, OtherFieldCodesExpandToNothingAndPercentToItself) {
  expect_expansions({
      {"browser %i %c %k %u", Argv{"browser", kT}},
      {"browser %d %D %n %N %v %m %u", Argv{"browser", kT}},
      {"browser --name=%c %u", Argv{"browser", "--name=", kT}},
      {"browser 100%% %u", Argv{"browser", "100%", kT}},
      {"browser %% %u", Argv{"browser", "%", kT}},
      {"browser %%u", Argv{"browser", "%u", kT}},  // an escaped percent, then a letter
      {R"(browser "50%%" %u)", Argv{"browser", "50%", kT}},
  });
}

TEST(ExpandDesktopExec, QuotesAndEscapesAreUndone) {
  expect_expansions({
      {R"("/opt/My Browser/run" %u)", Argv{"/opt/My Browser/run", kT}},
      {R"(browser "a \"b\"" %u)", Argv{"browser", R"(a "b")", kT}},
      {R"(browser "\`\$\\" %u)", Argv{"browser", R"(`$\)", kT}},
      {R"(browser "; | & > < ~ * ? # ( ) ' " %u)", Argv{"browser", "; | & > < ~ * ? # ( ) ' ", kT}},
      {"browser \"tab\there\" %u", Argv{"browser", "tab\there", kT}},
      {R"(browser "" %u)", Argv{"browser", "", kT}},  // an empty argument survives
      {"  browser   %u  ", Argv{"browser", kT}},      // runs of blanks separate once
  });
}

TEST(ExpandDesktopExec, MalformedLinesGiveNothing) {
  expect_expansions({
      {"", std::nullopt},
      {"   ", std::nullopt},
      {R"(browser "%u)", std::nullopt},           // unterminated quote
      {R"(browser "a\")", std::nullopt},          // the escaped quote does not close
      {R"(browser "a\n" %u)", std::nullopt},      // not one of the four escapes
      {R"(browser "a\)", std::nullopt},           // backslash at the end
      {R"(browser --x="a b" %u)", std::nullopt},  // quoted only in part
      {R"(browser "a"b %u)", std::nullopt},
      {"browser %x", std::nullopt},  // unknown field code
      {"browser %", std::nullopt},   // percent ends the line
      {"browser a% %u", std::nullopt},
      {"browser --urls=%U", std::nullopt},  // a list must stand alone
      {"browser x%F", std::nullopt},
      {"browser %u %u", std::nullopt},  // at most one file or URL code
      {"browser %U --url=%f", std::nullopt},
      {"browser a;b %u", std::nullopt},  // reserved characters unquoted
      {"browser $HOME %u", std::nullopt},
      {"browser ~/x %u", std::nullopt},
      {"browser it's %u", std::nullopt},
      {"browser a\\ b %u", std::nullopt},
      {"browser\t%u", std::nullopt},
      {"browser %u | tee log", std::nullopt},
      {"FOO=1 browser %u", std::nullopt},  // the program holds "="
      {R"("" %u)", std::nullopt},          // empty program
      {"%u", std::nullopt},                // a field code as the program
  });
}

}  // namespace
}  // namespace shiftpad
