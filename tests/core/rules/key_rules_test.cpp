#include "core/rules/key_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace shiftpad {
namespace {

struct Case {
  KeyPress key;
  KeyAction action;
};

constexpr KeyPress press(Key key, bool shift = false, bool ctrl = false, bool alt = false) {
  return {.key = key, .shift = shift, .ctrl = ctrl, .alt = alt};
}

// What the key does with no modifier and with Shift alone; every other combination of
// Shift, Ctrl and Alt passes the key on.
struct KeyRule {
  Key key;
  KeyAction plain;
  KeyAction shift_only;
};

TEST(KeyRules, AKeyCountsOnlyWithoutModifiersExceptShiftTab) {
  const std::vector<KeyRule> rules{
      {Key::Tab, KeyAction::FocusNext, KeyAction::FocusPrevious},
      {Key::Escape, KeyAction::RequestClose, KeyAction::PassToControl},
      {Key::F1, KeyAction::Swallow, KeyAction::PassToControl},
      {Key::Enter, KeyAction::PassToControl, KeyAction::PassToControl},
      {Key::Other, KeyAction::PassToControl, KeyAction::PassToControl},
  };
  for (const KeyRule& rule : rules) {
    for (int mask = 0; mask < 8; ++mask) {
      const bool shift = (mask & 1) != 0;
      const bool ctrl = (mask & 2) != 0;
      const bool alt = (mask & 4) != 0;
      KeyAction expected = KeyAction::PassToControl;
      if (mask == 0) {
        expected = rule.plain;
      } else if (mask == 1) {
        expected = rule.shift_only;
      }
      EXPECT_EQ(decide_key_action(press(rule.key, shift, ctrl, alt)), expected)
          << "key " << static_cast<int>(rule.key) << " shift " << shift << " ctrl " << ctrl
          << " alt " << alt;
    }
  }
}

TEST(KeyRules, TheWindowKeepsExactlyTheKeysItActsOn) {
  for (const Case& c : std::vector<Case>{
           {press(Key::Tab), KeyAction::FocusNext},
           {press(Key::Tab, true), KeyAction::FocusPrevious},
           {press(Key::Escape), KeyAction::RequestClose},
           {press(Key::F1), KeyAction::Swallow},
       }) {
    EXPECT_EQ(decide_key_action(c.key), c.action);
    EXPECT_TRUE(window_takes_key(c.action));
  }
  // Enter reaches the control as an ordinary key, and so does Shift+Esc, which does not close.
  EXPECT_FALSE(window_takes_key(decide_key_action(press(Key::Enter))));
  EXPECT_FALSE(window_takes_key(decide_key_action(press(Key::Escape, true))));
  EXPECT_FALSE(window_takes_key(decide_key_action(press(Key::Other))));
}

TEST(KeyRules, TheWindowsKeySettingsDecideEnterAndEsc) {
  const WindowKeySettings enter_moves{.enter_moves_focus = true, .esc_closes = true};
  const WindowKeySettings esc_stays{.enter_moves_focus = false, .esc_closes = false};
  EXPECT_EQ(decide_key_action(press(Key::Enter), enter_moves), KeyAction::FocusNext);
  EXPECT_EQ(decide_key_action(press(Key::Enter, false, true), enter_moves),
            KeyAction::PassToControl);
  EXPECT_EQ(decide_key_action(press(Key::Escape), esc_stays), KeyAction::PassToControl);
  EXPECT_EQ(decide_key_action(press(Key::Tab), esc_stays), KeyAction::FocusNext);
}

}  // namespace
}  // namespace shiftpad
