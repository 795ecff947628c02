#include "platform/linux/strut.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

using Strut = std::array<long, 12>;

TEST(Strut, ReservesTheStripAtItsEdgeWithinTheScreen) {
  EXPECT_EQ(StrutFor(StripEdge::kTop, {0, 0, 1024, 24}, 768),
            (Strut{0, 0, 24, 0, 0, 0, 0, 0, 0, 1023, 0, 0}));
  EXPECT_EQ(StrutFor(StripEdge::kBottom, {0, 744, 1024, 768}, 768),
            (Strut{0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 1023}));
  // A narrower strip reserves only its own columns.
  EXPECT_EQ(StrutFor(StripEdge::kTop, {100, 0, 300, 36}, 768),
            (Strut{0, 0, 36, 0, 0, 0, 0, 0, 100, 299, 0, 0}));
  // A hidden strip gives the space back; none reserves more than the screen.
  EXPECT_EQ(StrutFor(StripEdge::kTop, {0, 0, 1024, 0}, 768), Strut{});
  EXPECT_EQ(StrutFor(StripEdge::kBottom, {0, 768, 1024, 768}, 768), Strut{});
  EXPECT_EQ(StrutFor(StripEdge::kTop, {0, 10, 1024, 5}, 768), Strut{});
  EXPECT_EQ(StrutFor(StripEdge::kTop, {0, 0, 1024, 5000}, 768)[2], 768);
  EXPECT_EQ(StrutFor(StripEdge::kBottom, {0, -50, 1024, 768}, 768)[3], 768);
}

}  // namespace
}  // namespace vb
