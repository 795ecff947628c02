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

TEST(Strut, PanelsReachInOnlyOverTheirOwnColumns) {
  const Strut topPanel{0, 0, 30, 0, 0, 0, 0, 0, 0, 1023, 0, 0};
  const Strut bottomLeft{0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 199};
  const Strut lowerTop{0, 0, 20, 0, 0, 0, 0, 0, 0, 1023, 0, 0};
  const Strut leftSide{50, 0, 0, 0, 0, 767, 0, 0, 0, 0, 0, 0};
  EdgeInsets over = InsetsOver({topPanel, bottomLeft, lowerTop, leftSide}, 0, 1024, 768);
  EXPECT_EQ(over.top, 30);  // the deepest one counts
  EXPECT_EQ(over.bottom, 40);
  // A strip right of the bottom panel's columns: its last column is 199, one before 200.
  EXPECT_EQ(InsetsOver({bottomLeft}, 200, 1024, 768).bottom, 0);
  EXPECT_EQ(InsetsOver({bottomLeft}, 199, 1024, 768).bottom, 40);
  EXPECT_EQ(InsetsOver({}, 0, 1024, 768).top, 0);
  // Panels claiming everything still leave a row.
  over = InsetsOver({Strut{0, 0, 900, 900, 0, 0, 0, 0, 0, 1023, 0, 1023}}, 0, 1024, 768);
  EXPECT_EQ(over.top + over.bottom, 767);
  EXPECT_GE(over.top, 0);
}

TEST(Strut, WhatTheWindowManagerKeepsBeyondTheStrutsIsLearnedWhereTheBarDoesNotHideIt) {
  // A toolbar of the window manager's own, 20 rows at the top, no strut anywhere.
  EdgeInsets learned = LearnReserved({20, 0}, {0, 0}, {0, 0}, {});
  EXPECT_EQ(learned.top, 20);
  // The bar docked below it reserves 44: the work area says no more, the toolbar is still known.
  learned = LearnReserved({44, 0}, {0, 0}, {44, 0}, learned);
  EXPECT_EQ(learned.top, 20);
  // A panel's strut explains the work area by itself.
  EXPECT_EQ(LearnReserved({30, 0}, {30, 0}, {0, 0}, learned).top, 0);
  // With the bar hidden the work area is the whole truth, also that the toolbar went.
  EXPECT_EQ(LearnReserved({0, 0}, {0, 0}, {0, 0}, learned).top, 0);
  // A toolbar that grows beyond the bar's strip is seen at once; the other edge on its own.
  learned = LearnReserved({60, 25}, {0, 0}, {44, 0}, learned);
  EXPECT_EQ(learned.top, 60);
  EXPECT_EQ(learned.bottom, 25);
}

}  // namespace
}  // namespace vb
