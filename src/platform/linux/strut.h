#pragma once

#include <array>
#include <vector>

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

// How far the docks and panels whose `struts` (_NET_WM_STRUT_PARTIAL values) are given reach
// into a screen `screenHeight` high from its top and its bottom, over the columns left to
// right - 1. Together they leave at least one row free.
struct EdgeInsets {
  int top = 0;
  int bottom = 0;
};
EdgeInsets InsetsOver(const std::vector<std::array<long, 12>>& struts, int left, int right,
                      int screenHeight);

// What the window manager keeps free at each edge beyond every strut, as a toolbar of its own
// does: learned from its work area where that reaches further than the others' struts and the
// bar's own. Where the bar reserves the edge itself the work area says nothing new, and what was
// learned before stands; where it does not, the work area is the whole truth.
EdgeInsets LearnReserved(EdgeInsets workArea, EdgeInsets others, EdgeInsets own,
                         EdgeInsets learned);

}  // namespace vb
