#include "core/rules/focus_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace shiftpad {
namespace {

using units::按钮1;
using units::按钮2;
using units::窗口;
using units::编辑框1;
using units::编辑框2;
using units::超级链接框1;

TEST(FocusOrder, TabAndShiftTabStepThroughTheFourControlsAndWrap) {
  struct Case {
    UnitId from;
    UnitId next;
    UnitId previous;
  };
  for (const Case& c : std::vector<Case>{{编辑框1, 编辑框2, 按钮2},
                                         {编辑框2, 按钮1, 编辑框1},
                                         {按钮1, 按钮2, 编辑框2},
                                         {按钮2, 编辑框1, 按钮1}}) {
    EXPECT_EQ(step_focus(c.from, FocusStep::Next), c.next);
    EXPECT_EQ(step_focus(c.from, FocusStep::Previous), c.previous);
  }
}

TEST(FocusOrder, OutsideTheOrderNextGivesTheFirstAndPreviousTheLast) {
  for (const std::optional<UnitId> from :
       {std::optional<UnitId>{}, std::optional{超级链接框1}, std::optional{窗口}}) {
    EXPECT_EQ(step_focus(from, FocusStep::Next), 编辑框1);
    EXPECT_EQ(step_focus(from, FocusStep::Previous), 按钮2);
  }
}

TEST(FocusOrder, FourTabsComeBackAndNeverReachTheHyperlinkBox) {
  UnitId focus = 编辑框1;
  std::vector<UnitId> visited;
  for (int i = 0; i < 4; ++i) {
    focus = step_focus(focus, FocusStep::Next);
    visited.push_back(focus);
  }
  EXPECT_EQ(visited, (std::vector<UnitId>{编辑框2, 按钮1, 按钮2, 编辑框1}));
}

TEST(FocusMemory, RemembersTheFocusOnceThenFallsBackToTheInputBox) {
  for (const UnitId focused : {编辑框1, 编辑框2, 按钮1, 按钮2}) {
    FocusMemory memory;
    memory.remember(focused);
    EXPECT_EQ(memory.take_focus_target(), focused);
    EXPECT_EQ(memory.take_focus_target(), 编辑框1);  // forgotten
  }
}

TEST(FocusMemory, NothingOrNoControlRememberedGivesTheInputBox) {
  FocusMemory fresh;
  EXPECT_EQ(fresh.take_focus_target(), 编辑框1);

  for (const std::optional<UnitId> focused :
       {std::optional<UnitId>{}, std::optional{窗口}, std::optional{UnitId{0x12345678}}}) {
    FocusMemory memory;
    memory.remember(focused);
    EXPECT_EQ(memory.take_focus_target(), 编辑框1);
  }
}

TEST(FocusMemory, TheLatestDeactivationCounts) {
  FocusMemory memory;
  memory.remember(按钮1);
  memory.remember(编辑框2);
  EXPECT_EQ(memory.take_focus_target(), 编辑框2);

  memory.remember(按钮2);
  memory.remember(std::nullopt);  // deactivated with nothing focused
  EXPECT_EQ(memory.take_focus_target(), 编辑框1);
}

}  // namespace
}  // namespace shiftpad
