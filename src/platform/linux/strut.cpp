#include "platform/linux/strut.h"

#include <algorithm>

namespace vb {
namespace {

enum Index { kLeft, kRight, kTop, kBottom, kTopStartX = 8, kTopEndX, kBottomStartX, kBottomEndX };

}  // namespace

std::array<long, 12> StrutFor(StripEdge edge, const StripRect& strip, int screenHeight) {
  std::array<long, 12> strut{};
  if (strip.bottom <= strip.top || strip.right <= strip.left) return strut;
  if (edge == StripEdge::kTop) {
    strut[kTop] = std::clamp(strip.bottom, 0, screenHeight);
    strut[kTopStartX] = strip.left;
    strut[kTopEndX] = strip.right - 1;
  } else {
    strut[kBottom] = std::clamp(screenHeight - strip.top, 0, screenHeight);
    strut[kBottomStartX] = strip.left;
    strut[kBottomEndX] = strip.right - 1;
  }
  return strut;
}

}  // namespace vb
