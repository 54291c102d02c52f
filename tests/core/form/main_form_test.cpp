// The form's own consistency: what a slip in its tables would break in every platform's
// window at once.
#include "core/form/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/rules/focus_rules.h"

namespace shiftpad {
namespace {

bool overlap(const Rect& a, const Rect& b) {
  return a.origin.x < b.origin.x + b.size.width && b.origin.x < a.origin.x + a.size.width &&
         a.origin.y < b.origin.y + b.size.height && b.origin.y < a.origin.y + a.size.height;
}

TEST(MainForm, EveryUnitHasItsOwnIdAndTheSettingsOfItsKind) {
  const WindowForm& form = main_form();
  std::set<UnitId> ids{form.id};
  for (const ControlForm& control : form.controls) {
    EXPECT_TRUE(ids.insert(control.id).second) << "a second unit with the id of a control";
    EXPECT_EQ(control.edit_box != nullptr, control.kind == UnitKind::EditBox);
    EXPECT_EQ(control.button != nullptr, control.kind == UnitKind::Button);
    EXPECT_EQ(control.hyperlink != nullptr, control.kind == UnitKind::HyperlinkBox);
  }
  EXPECT_EQ(ids.size(), 6U);
}

TEST(MainForm, ControlsDoNotOverlap) {
  const auto& controls = main_form().controls;
  for (auto a = controls.begin(); a != controls.end(); ++a) {
    for (auto b = a + 1; b != controls.end(); ++b) {
      EXPECT_FALSE(overlap(a->place, b->place))
          << "units " << static_cast<unsigned>(a->id) << " and " << static_cast<unsigned>(b->id);
    }
  }
}

TEST(MainForm, TheFocusOrderWalksExactlyTheTabStops) {
  std::set<UnitId> tab_stops;
  for (const ControlForm& control : main_form().controls) {
    if (control.tab_stop) {
      tab_stops.insert(control.id);
    }
  }
  std::set<UnitId> walked;
  UnitId at = step_focus(std::nullopt, FocusStep::Next);
  for (std::size_t i = 0; i < tab_stops.size(); ++i) {
    walked.insert(at);
    at = step_focus(at, FocusStep::Next);
  }
  EXPECT_EQ(walked, tab_stops);
}

TEST(MainForm, EachButtonRunsOneCommandOnItsClick) {
  for (const ControlForm& control : main_form().controls) {
    if (control.kind != UnitKind::Button) {
      continue;
    }
    ASSERT_EQ(control.bindings.size(), 1U);
    EXPECT_EQ(control.bindings.front().event, EventKind::Clicked);
    EXPECT_NE(control.bindings.front().handler, nullptr);
  }
}

}  // namespace
}  // namespace shiftpad
