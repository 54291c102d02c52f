#include "core/rules/focus_rules.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace shiftpad {
namespace {

constexpr std::array kFocusOrder{units::编辑框1, units::编辑框2, units::按钮1, units::按钮2};

bool is_in_focus_order(UnitId unit) {
  return std::find(kFocusOrder.begin(), kFocusOrder.end(), unit) != kFocusOrder.end();
}

}  // namespace

UnitId step_focus(std::optional<UnitId> current, FocusStep step) {
  const auto* found =
      current ? std::find(kFocusOrder.begin(), kFocusOrder.end(), *current) : kFocusOrder.end();
  if (found == kFocusOrder.end()) {
    return step == FocusStep::Next ? kFocusOrder.front() : kFocusOrder.back();
  }
  const auto index = std::distance(kFocusOrder.begin(), found);
  const auto count = static_cast<std::ptrdiff_t>(kFocusOrder.size());
  const auto offset = step == FocusStep::Next ? 1 : count - 1;
  return kFocusOrder.at(static_cast<std::size_t>((index + offset) % count));
}

UnitId FocusMemory::take_focus_target() {
  const std::optional<UnitId> remembered = std::exchange(remembered_, std::nullopt);
  // The controls live as long as the window, so a remembered control still exists
  // exactly when it is one of the window's focusable controls.
  if (remembered && is_in_focus_order(*remembered)) {
    return *remembered;
  }
  return units::编辑框1;
}

}  // namespace shiftpad
