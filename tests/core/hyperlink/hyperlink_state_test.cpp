#include "core/hyperlink/hyperlink_state.h"

#include <gtest/gtest.h>

#include <vector>

#include "link_fixture.h"

namespace shiftpad {
namespace {

using testing::kBlue;
using testing::kBoxSize;
using testing::kDarkRed;
using testing::kRed;
using testing::kWebLink;

constexpr HoverEffects kStartHover{.repaint = true, .take_capture = true};
constexpr HoverEffects kEndHover{.repaint = true, .release_capture = true};
constexpr HoverEffects kNothing{};
constexpr HoverEffects kRetakeCapture{.take_capture = true};

HyperlinkState hovering_box() {
  HyperlinkState state(kWebLink, kBoxSize);
  state.on_mouse_move({5, 5}, false);
  return state;
}

TEST(HyperlinkState, StartsNeitherHoveringNorVisitedInTheTextColour) {
  const HyperlinkState state(kWebLink, kBoxSize);
  EXPECT_FALSE(state.hovering());
  EXPECT_FALSE(state.visited());
  EXPECT_EQ(state.text_colour(), kRed);
}

TEST(HyperlinkState, HoverColourWinsOverVisitedWhichWinsOverTextColour) {
  struct Case {
    bool hover;
    bool visit;
    Rgb colour;
  };
  for (const Case& c : std::vector<Case>{{false, false, kRed},
                                         {false, true, kDarkRed},
                                         {true, false, kBlue},
                                         {true, true, kBlue}}) {
    HyperlinkState state(kWebLink, kBoxSize);
    state.on_left_press(c.visit);
    if (c.hover) {
      state.on_mouse_move({0, 0}, false);
    }
    EXPECT_EQ(state.text_colour(), c.colour) << "hover " << c.hover << " visited " << c.visit;
  }
}

TEST(HyperlinkState, LeftAndTopEdgesAreInsideRightAndBottomEdgesOutside) {
  struct Case {
    Point at;
    bool inside;
  };
  for (const Case& c : std::vector<Case>{{{0, 0}, true},
                                         {{215, 15}, true},
                                         {{108, 8}, true},
                                         {{216, 8}, false},
                                         {{108, 16}, false},
                                         {{216, 16}, false},
                                         {{-1, 8}, false},
                                         {{108, -1}, false},
                                         {{5000, 5000}, false}}) {
    HyperlinkState state = hovering_box();
    const HoverEffects effects = state.on_mouse_move(c.at, true);
    EXPECT_EQ(state.hovering(), c.inside) << c.at.x << ", " << c.at.y;
    EXPECT_EQ(effects, c.inside ? kNothing : kEndHover) << c.at.x << ", " << c.at.y;
  }
}

TEST(HyperlinkState, MouseMovesStartKeepAndEndHovering) {
  struct Step {
    Point at;
    bool holds_capture;
    HoverEffects effects;
    bool hovering_after;
  };
  HyperlinkState state(kWebLink, kBoxSize);
  const std::vector<Step> steps{
      {{10, 4}, false, kStartHover, true},     // onto the box
      {{11, 4}, true, kNothing, true},         // within it: no repaint
      {{12, 5}, false, kRetakeCapture, true},  // capture lost to another window
      {{216, 5}, true, kEndHover, false},      // onto the right edge: off the box
      {{216, 5}, false, kStartHover, true},    // any next move counts as entering again
      {{3, 3}, true, kNothing, true},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(state.on_mouse_move(steps[i].at, steps[i].holds_capture), steps[i].effects)
        << "step " << i;
    EXPECT_EQ(state.hovering(), steps[i].hovering_after) << "step " << i;
  }
}

TEST(HyperlinkState, PressSetsVisitedToTheOpenResultAndRepaintsOnlyOnSuccess) {
  HyperlinkState state = hovering_box();
  EXPECT_TRUE(state.on_left_press(true));
  EXPECT_TRUE(state.visited());
  EXPECT_EQ(state.text_colour(), kBlue);  // still on the box

  state.on_mouse_move({216, 0}, true);
  EXPECT_EQ(state.text_colour(), kDarkRed);

  EXPECT_FALSE(state.on_left_press(false));  // a failed open clears visited, no repaint
  EXPECT_FALSE(state.visited());
  EXPECT_EQ(state.text_colour(), kRed);  // what the next repaint shows
  EXPECT_FALSE(state.on_left_press(false));
  EXPECT_FALSE(state.hovering());
}

TEST(HyperlinkTarget, WebAddressAsStoredOrMailtoAndTheEmailAddress) {
  EXPECT_EQ(hyperlink_target(kWebLink), "www.quorrin.example");

  HyperlinkSettings mail = kWebLink;
  mail.link_kind = LinkKind::EmailAddress;
  mail.email_address = "admin@quorrin.example";
  EXPECT_EQ(hyperlink_target(mail), "mailto:admin@quorrin.example");

  mail.email_address = "";
  EXPECT_EQ(hyperlink_target(mail), "");  // not a bare "mailto:"

  HyperlinkSettings no_web = kWebLink;
  no_web.web_address = "";
  no_web.email_address = "admin@quorrin.example";  // the other kind's address plays no part
  EXPECT_EQ(hyperlink_target(no_web), "");
}

}  // namespace
}  // namespace shiftpad
