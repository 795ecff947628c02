#include <gtest/gtest.h>

#include "ticker/fake_desktop.h"
#include "ticker/screen_edge_dock.h"

namespace vb::testing {
namespace {

class DockTest : public ::testing::Test {
 protected:
  DockTest() {
    desktop_.shellTopInset = 30;  // taskbars at both edges
    dock_.SetScreen({0, 0, 1024, 768});
  }
  std::string Last(const std::string& prefix) const {
    for (auto it = desktop_.calls.rbegin(); it != desktop_.calls.rend(); ++it) {
      if (it->rfind(prefix, 0) == 0) return *it;
    }
    return "";
  }
  FakeDesktop desktop_;
  TickerSettings settings_;
  ScreenEdgeDock dock_{desktop_, desktop_, settings_};
};

TEST_F(DockTest, StripFollowsTheStateTable) {
  ASSERT_TRUE(dock_.DockAtStartup(5, 5));
  EXPECT_EQ(desktop_.Count("RegisterAppBar"), 1);
  EXPECT_TRUE(desktop_.Called("QueryAppBarPosition top 0,0,1024,24"));
  EXPECT_EQ(Last("SetAppBarPosition"), "SetAppBarPosition top 0,30,1024,54");

  dock_.CollapseStrip();  // hidden: zero height, still registered
  EXPECT_EQ(Last("SetAppBarPosition"), "SetAppBarPosition top 0,30,1024,30");
  dock_.HandleNotice(AppBarNotice::kPositionChanged, false);
  EXPECT_EQ(Last("SetAppBarPosition"), "SetAppBarPosition top 0,30,1024,30");
  EXPECT_EQ(desktop_.calls.back(), "MoveBar 0 30");
  dock_.RestoreStrip();
  EXPECT_EQ(Last("SetAppBarPosition"), "SetAppBarPosition top 0,30,1024,54");

  settings_.lineNum = 2;
  dock_.ResizeStrip();
  EXPECT_EQ(Last("SetAppBarPosition"), "SetAppBarPosition top 0,30,1024,78");

  dock_.DockBottom();  // the bar moves before the strip is set
  EXPECT_EQ(desktop_.calls[desktop_.calls.size() - 2], "MoveBar 0 690");
  EXPECT_EQ(desktop_.calls.back(), "SetAppBarPosition bottom 0,690,1024,738");
  EXPECT_EQ(settings_.dockEdge, DockEdge::kBottom);
  const auto calls = desktop_.calls.size();
  dock_.DockBottom();
  EXPECT_EQ(desktop_.calls.size(), calls);
  dock_.CollapseStrip();
  EXPECT_EQ(Last("SetAppBarPosition"), "SetAppBarPosition bottom 0,738,1024,738");
}

TEST_F(DockTest, DragUndocksOnlyAwayFromBothEdges) {
  ASSERT_TRUE(dock_.DockAtStartup(0, 0));
  // Sideways along the taskbar it was docked beside, or along the screen's top.
  for (const Rect sideways : {Rect{300, 30, 1324, 54}, Rect{300, 0, 1324, 24}}) {
    desktop_.barRect = sideways;
    dock_.UndockAfterDrag();
    EXPECT_EQ(settings_.dockEdge, DockEdge::kTop);
    EXPECT_FALSE(desktop_.Called("UnregisterAppBar"));
  }

  desktop_.barRect = {300, 200, 1324, 224};
  dock_.UndockAfterDrag();
  EXPECT_EQ(settings_.dockEdge, DockEdge::kFloating);
  EXPECT_EQ(desktop_.Count("UnregisterAppBar"), 1);
  EXPECT_EQ(dock_.strip().left, 300);
  EXPECT_EQ(dock_.strip().top, 200);

  desktop_.barRect = {10, 744, 1034, 768};  // floating onto the bottom edge keeps the old place
  dock_.UndockAfterDrag();
  EXPECT_EQ(dock_.strip().top, 200);
  const auto calls = desktop_.calls.size();  // floating: the shell is left alone
  dock_.CollapseStrip();
  dock_.RestoreStrip();
  dock_.ResizeStrip();
  EXPECT_EQ(desktop_.calls.size(), calls);

  dock_.SetScreen({0, 0, 1280, 1024});  // a floating bar keeps its place on a new screen
  EXPECT_EQ(dock_.strip().left, 300);

  dock_.DockTop();  // registers again from floating
  EXPECT_EQ(desktop_.Count("RegisterAppBar"), 2);
  EXPECT_EQ(desktop_.calls.back(), "MoveBar 0 30");
  EXPECT_EQ(Last("SetAppBarPosition"), "SetAppBarPosition top 0,30,1280,54");
}

TEST_F(DockTest, BottomEdgeDocksAtTheBottomAndZOrderFollowsTheTaskbar) {
  settings_.dockEdge = DockEdge::kBottom;
  ASSERT_TRUE(dock_.DockAtStartup(0, 0));
  EXPECT_EQ(Last("SetAppBarPosition"), "SetAppBarPosition bottom 0,714,1024,738");
  dock_.DockBottom();
  EXPECT_EQ(desktop_.Count("RegisterAppBar"), 1);
  EXPECT_EQ(settings_.dockEdge, DockEdge::kBottom);

  desktop_.calls.clear();
  dock_.HandleNotice(AppBarNotice::kTaskbarStateChanged, true);
  dock_.HandleNotice(AppBarNotice::kTaskbarStateChanged, false);
  dock_.HandleNotice(AppBarNotice::kFullScreenOpened, false);
  dock_.HandleNotice(AppBarNotice::kFullScreenOpened, true);
  // A full-screen window closing leaves a bar below everything where it is.
  dock_.HandleNotice(AppBarNotice::kFullScreenClosed, false);
  dock_.HandleNotice(AppBarNotice::kFullScreenClosed, true);
  EXPECT_EQ(desktop_.calls,
            (std::vector<std::string>{"SetBarTopmost", "SetBarBottom", "SetBarBottom",
                                      "SetBarTopmost", "SetBarTopmost"}));
}

}  // namespace
}  // namespace vb::testing
