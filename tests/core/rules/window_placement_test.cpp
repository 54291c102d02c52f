#include "core/rules/window_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace shiftpad {
namespace {

constexpr Size kWindow{274, 176};

TEST(WindowPlacement, CentresOnTheScreenTruncatingTowardZero) {
  struct Case {
    Size screen;
    Point corner;
  };
  for (const Case& c : std::vector<Case>{
           {{1024, 768}, {375, 296}},
           {{1920, 1080}, {823, 452}},
           {{1023, 767}, {374, 295}},  // odd leftovers round down
           {{1025, 769}, {375, 296}},
           {{274, 176}, {0, 0}},
           {{275, 177}, {0, 0}},
           {{273, 175}, {0, 0}},      // -1 / 2 truncates to 0, not -1
           {{200, 100}, {-37, -38}},  // smaller than the window
           {{201, 101}, {-36, -37}},  // -73 / 2 and -75 / 2 truncate toward zero
           {{0, 0}, {-137, -88}},
       }) {
    const Rect placed = centred_outer_rect(c.screen, kWindow);
    EXPECT_EQ(placed.origin, c.corner) << c.screen.width << " x " << c.screen.height;
    EXPECT_EQ(placed.size, kWindow);
  }
}

TEST(WindowPlacement, ClientSizeLeavesTheFrameOutsideTheOuterSize) {
  struct Case {
    FrameExtents frame;
    Size client;
  };
  for (const Case& c : std::vector<Case>{
           {{0, 0, 0, 0}, {274, 176}},
           {{3, 3, 22, 3}, {268, 151}},
           {{1, 2, 30, 4}, {271, 142}},  // each side counts on its own axis
       }) {
    EXPECT_EQ(client_size_for(kWindow, c.frame), c.client);
  }
}

}  // namespace
}  // namespace shiftpad
