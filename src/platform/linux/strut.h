#pragma once

#include <array>

namespace vb {

// A screen rectangle as the docking code keeps it: right and bottom are one past the last pixel.
struct StripRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

enum class StripEdge { kTop, kBottom };

// The twelve values of _NET_WM_STRUT_PARTIAL that reserve `strip` at `edge` of a screen
// `screenHeight` pixels high; the first four are _NET_WM_STRUT. A strip of no height reserves
// nothing, so a hidden bar gives the space back.
std::array<long, 12> StrutFor(StripEdge edge, const StripRect& strip, int screenHeight);

}  // namespace vb
