#pragma once

namespace shiftpad {

// Pixels. Places of controls are measured from the window's client-area corner.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  Point origin;
  Size size;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace shiftpad
