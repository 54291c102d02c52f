#include "core/hyperlink/open_target.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "link_fixture.h"

namespace shiftpad {
namespace {

using testing::kWebLink;

// Records every call; each answer is set by the test.
class FakeLinkShell final : public LinkShell {
 public:
  bool shell_opens = false;
  CommandSyntax syntax = CommandSyntax::WindowsCommandLine;
  std::optional<std::string> browser_command;
  bool start_succeeds = true;

  std::vector<std::string> calls;
  std::vector<std::string> started_argv;

  bool shell_open(const std::string& target) override {
    calls.push_back("shell_open " + target);
    return shell_opens;
  }
  CommandSyntax command_syntax() const override { return syntax; }
  std::optional<std::string> registered_browser_command() override {
    calls.emplace_back("registered_browser_command");
    return browser_command;
  }
  bool start_command_line(const std::string& command_line) override {
    calls.push_back("start_command_line " + command_line);
    return start_succeeds;
  }
  bool start_detached(const std::vector<std::string>& argv) override {
    calls.emplace_back("start_detached");
    started_argv = argv;
    return start_succeeds;
  }
};

using Calls = std::vector<std::string>;

TEST(OpenTarget, ShellSuccessOpensWithoutTheFallback) {
  FakeLinkShell shell;
  shell.shell_opens = true;
  shell.browser_command = "browser.exe %1";
  EXPECT_TRUE(open_target(kWebLink, shell));
  EXPECT_EQ(shell.calls, Calls{"shell_open www.quorrin.example"});
}

TEST(OpenTarget, ShellFailureFallsBackToTheSplicedCommandLine) {
  FakeLinkShell shell;
  shell.browser_command = R"("C:\Web\browser.exe" -nohome "%1")";
  EXPECT_TRUE(open_target(kWebLink, shell));
  EXPECT_EQ(shell.calls, (Calls{"shell_open www.quorrin.example", "registered_browser_command",
                                R"(start_command_line "C:\Web\browser.exe" -nohome  )"
                                "www.quorrin.example"}));
}

TEST(OpenTarget, FallbackReportsWhetherTheCommandStarted) {
  FakeLinkShell shell;
  shell.browser_command = "browser.exe %1";
  shell.start_succeeds = false;
  EXPECT_FALSE(open_target(kWebLink, shell));
  EXPECT_EQ(shell.calls.size(), 3U);
}

TEST(OpenTarget, DesktopEntryFallbackStartsTheExpandedArguments) {
  FakeLinkShell shell;
  shell.syntax = CommandSyntax::DesktopEntryExec;
  shell.browser_command = "/usr/bin/browser --new-window %u";
  EXPECT_TRUE(open_target(kWebLink, shell));
  EXPECT_EQ(shell.started_argv,
            (std::vector<std::string>{"/usr/bin/browser", "--new-window", "www.quorrin.example"}));
}

TEST(OpenTarget, MalformedDesktopEntryStartsNothing) {
  FakeLinkShell shell;
  shell.syntax = CommandSyntax::DesktopEntryExec;
  shell.browser_command = "browser \"%u";
  EXPECT_FALSE(open_target(kWebLink, shell));
  EXPECT_EQ(shell.calls, (Calls{"shell_open www.quorrin.example", "registered_browser_command"}));
}

TEST(OpenTarget, NoRegisteredCommandFails) {
  for (const CommandSyntax syntax :
       {CommandSyntax::WindowsCommandLine, CommandSyntax::DesktopEntryExec}) {
    FakeLinkShell shell;
    shell.syntax = syntax;
    EXPECT_FALSE(open_target(kWebLink, shell));
    EXPECT_EQ(shell.calls, (Calls{"shell_open www.quorrin.example", "registered_browser_command"}));
  }
}

TEST(OpenTarget, EmailKindOpensMailto) {
  HyperlinkSettings mail = kWebLink;
  mail.link_kind = LinkKind::EmailAddress;
  mail.email_address = "admin@quorrin.example";
  FakeLinkShell shell;
  shell.browser_command = "mailer.exe \"%1\"";
  EXPECT_TRUE(open_target(mail, shell));
  EXPECT_EQ(shell.calls.front(), "shell_open mailto:admin@quorrin.example");
  EXPECT_EQ(shell.calls.back(), "start_command_line mailer.exe  mailto:admin@quorrin.example");
}

TEST(OpenTarget, EmptyAddressFailsWithoutAnyCall) {
  HyperlinkSettings no_web = kWebLink;
  no_web.web_address = "";
  HyperlinkSettings no_mail = kWebLink;
  no_mail.link_kind = LinkKind::EmailAddress;
  for (const HyperlinkSettings& settings : {no_web, no_mail}) {
    FakeLinkShell shell;
    shell.shell_opens = true;
    shell.browser_command = "browser.exe %1";
    EXPECT_FALSE(open_target(settings, shell));
    EXPECT_TRUE(shell.calls.empty());
  }
}

}  // namespace
}  // namespace shiftpad
