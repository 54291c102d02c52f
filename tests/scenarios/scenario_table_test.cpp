// Checks the end-to-end scenario table against the real core, so that the GUI suites
// expect exactly what the codec and the cipher produce.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "core/cipher/shift_text.h"
#include "core/codec/cp936_codec.h"
#include "core/text/byte_text.h"

namespace shiftpad {
namespace {

struct TableText {
  std::u16string_view cycle;
  std::size_t length;  // 0: the cycle itself
};

struct ScenarioCase {
  std::string_view id;
  int sign;
  TableText input;
  TableText expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ScenarioCase& scenario, std::ostream* out) { *out << scenario.id; }

constexpr auto kCases = std::to_array<ScenarioCase>({
#include "scenario_cases.inc"
});

std::u16string expand(const TableText& text) {
  if (text.length == 0) {
    return std::u16string(text.cycle);
  }
  std::u16string whole;
  whole.reserve(text.length);
  while (whole.size() < text.length) {
    whole.append(text.cycle.substr(0, text.length - whole.size()));
  }
  return whole;
}

class ScenarioTable : public testing::TestWithParam<ScenarioCase> {};

TEST_P(ScenarioTable, InputShowsAsItselfAndTheButtonGivesTheExpectedText) {
  const ScenarioCase& scenario = GetParam();
  const std::u16string input = expand(scenario.input);
  const std::string input_bytes = encode_cp936(input);
  ASSERT_EQ(decode_cp936(input_bytes), input) << "the input box would not show the input";

  const ByteText text = ByteText::copy_of(input_bytes);
  const ShiftDirection direction =
      scenario.sign > 0 ? ShiftDirection::Encrypt : ShiftDirection::Decrypt;
  const ByteText result = shift_text(text, direction);
  EXPECT_EQ(decode_cp936(result.bytes()), expand(scenario.expected));
}

std::string case_name(const testing::TestParamInfo<ScenarioCase>& case_info) {
  std::string name;
  for (const char c : case_info.param.id) {
    name += c == '-' ? '_' : c;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Commands, ScenarioTable, testing::ValuesIn(kCases), case_name);

}  // namespace
}  // namespace shiftpad
