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

EdgeInsets InsetsOver(const std::vector<std::array<long, 12>>& struts, int left, int right,
                      int screenHeight) {
  EdgeInsets insets;
  const auto overlaps = [&](long start, long end) { return start < right && end >= left; };
  for (const auto& strut : struts) {
    if (strut[kTop] > 0 && overlaps(strut[kTopStartX], strut[kTopEndX])) {
      insets.top = static_cast<int>(std::clamp<long>(strut[kTop], insets.top, screenHeight));
    }
    if (strut[kBottom] > 0 && overlaps(strut[kBottomStartX], strut[kBottomEndX])) {
      insets.bottom =
          static_cast<int>(std::clamp<long>(strut[kBottom], insets.bottom, screenHeight));
    }
  }
  // Panels that claim the whole height would leave the bar nowhere: the top one gives way.
  insets.bottom = std::min(insets.bottom, std::max(screenHeight - 1, 0));
  insets.top = std::min(insets.top, std::max(screenHeight - 1 - insets.bottom, 0));
  return insets;
}

EdgeInsets LearnReserved(EdgeInsets workArea, EdgeInsets others, EdgeInsets own,
                         EdgeInsets learned) {
  const auto learn = [](int area, int other, int ownInset, int before) {
    if (area > std::max(other, ownInset)) return area;
    return ownInset > 0 ? before : 0;
  };
  return {learn(workArea.top, others.top, own.top, learned.top),
          learn(workArea.bottom, others.bottom, own.bottom, learned.bottom)};
}

}  // namespace vb
