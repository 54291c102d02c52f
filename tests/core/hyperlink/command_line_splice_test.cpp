#include <gtest/gtest.h>

#include <string_view>

#include "core/hyperlink/open_target.h"

namespace shiftpad {
namespace {

TEST(SpliceCommandLine, CutsAtThePlaceholderAndAppendsTheTargetUnquoted) {
  struct Case {
    std::string_view registered;
    std::string_view spliced;
  };
  constexpr std::string_view kTarget = "www.quorrin.example";
  for (const Case& c : {
           // program path, a blank and the quoted placeholder: two blanks before the target
           Case{R"(C:\b.exe "%1")", R"(C:\b.exe  www.quorrin.example)"},
           Case{R"("C:\Program Files\b.exe" "%1")",
                R"("C:\Program Files\b.exe"  www.quorrin.example)"},
           // everything after the placeholder goes too
           Case{R"(C:\b.exe -url "%1" -new)", R"(C:\b.exe -url  www.quorrin.example)"},
           Case{R"(C:\b.exe %1)", R"(C:\b.exe  www.quorrin.example)"},
           Case{R"(C:\b.exe -osint -url %1 -x)", R"(C:\b.exe -osint -url  www.quorrin.example)"},
           Case{R"(C:\b.exe%1)", R"(C:\b.exe www.quorrin.example)"},
           // no placeholder: the whole line stays
           Case{R"(C:\b.exe)", R"(C:\b.exe www.quorrin.example)"},
           Case{R"(C:\b.exe -nohome)", R"(C:\b.exe -nohome www.quorrin.example)"},
           Case{"", " www.quorrin.example"},
           // only the first occurrence counts
           Case{R"(b.exe "%1" "%1")", "b.exe  www.quorrin.example"},
           Case{"b.exe %1 %1", "b.exe  www.quorrin.example"},
           // a quoted placeholder anywhere wins over an earlier bare one
           Case{R"(b.exe %1 "%1")", "b.exe %1  www.quorrin.example"},
           // a lone quote before a bare placeholder is not the quoted placeholder
           Case{R"(b.exe "%1)", R"(b.exe " www.quorrin.example)"},
           Case{"b.exe %10", "b.exe  www.quorrin.example"},
       }) {
    EXPECT_EQ(splice_command_line(c.registered, kTarget), c.spliced) << c.registered;
  }
}

}  // namespace
}  // namespace shiftpad
