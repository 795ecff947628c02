#include "resources/resource_ids.h"
#include "ticker/ticker_fixture.h"
#include "ticker/timer_ids.h"

namespace vb::test {
namespace {

TEST_F(TickerTest, TransparencyModesSaveAndRestoreTheBackground) {
  WriteChannels(0, 0);
  Store().Write("Format", "BgColor", "abcdef");
  ASSERT_TRUE(Start());
  auto renders = renderer_.rendered.size();

  bar_->OnCommand(ids::IDM_TRANSLUCENT, 0);
  EXPECT_TRUE(desktop_.Called("SetLayeredAttributes 16777215 150 2"));
  EXPECT_EQ(renderer_.rendered.size(), renders);
  EXPECT_EQ(Store().Read("Format", "Mode", "", 9), "1");
  desktop_.calls.clear();
  bar_->OnCommand(ids::IDM_TRANSLUCENT, 0);
  EXPECT_TRUE(desktop_.calls.empty());

  bar_->OnCommand(ids::IDM_FULL_TRANSPARENT, 0);
  EXPECT_TRUE(desktop_.Called("SetLayeredAttributes 5649426 150 1"));
  ASSERT_EQ(renderer_.rendered.size(), ++renders);
  EXPECT_EQ(renderer_.requests.back().bgColor, "123456");
  EXPECT_EQ(bar_->IconControlColours().background, 0x563412u);
  EXPECT_EQ(Store().Read("Format", "Mode", "", 9), "2");

  bar_->OnCommand(ids::IDM_OPAQUE, 0);
  EXPECT_TRUE(desktop_.Called("SetBarLayered 0"));
  ASSERT_EQ(renderer_.rendered.size(), ++renders);
  EXPECT_EQ(renderer_.requests.back().bgColor, "abcdef");
  EXPECT_EQ(bar_->IconControlColours().text, 0xFFFF00u);
  EXPECT_EQ(Store().Read("Format", "BgColor", "", 9), "abcdef");  // never written by a mode

  desktop_.layeredAvailable = false;
  bar_->OnCommand(ids::IDM_TRANSLUCENT, 0);  // read at start-up: still available
  EXPECT_EQ(bar_->settings().mode, "1");
}

TEST_F(TickerTest, TransparencyRetickesAnOpenConfigDialog) {
  ASSERT_TRUE(Start());
  bar_->OnCommand(ids::IDM_CONFIG, 0);
  bar_->OnCommand(ids::IDM_CONFIG, 0);
  EXPECT_EQ(desktop_.Count("OpenDialog 103 100 100"), 1);
  bar_->OnCommand(ids::IDM_FULL_TRANSPARENT, 0);
  EXPECT_TRUE(desktop_.dialog.checked[ids::IDC_FULL_TRANSPARENT]);
  EXPECT_FALSE(desktop_.dialog.enabled[ids::IDC_BGCOLOR]);
  bar_->OnCommand(ids::IDM_TRANSLUCENT, 0);
  EXPECT_TRUE(desktop_.dialog.enabled[ids::IDC_BGCOLOR]);

  bar_->OnCommand(ids::IDM_HELP, 0);
  bar_->OnCommand(ids::IDM_HELP, 0);
  EXPECT_EQ(desktop_.Count("OpenDialog 106 80 120"), 2);
}

TEST_F(TickerTest, TrayHidesAndShowsTheBarWithItsTimersAndStrip) {
  ASSERT_TRUE(Start());
  desktop_.calls.clear();
  desktop_.events->OnTrayMessage(kMouseRightButtonDown);
  EXPECT_EQ(desktop_.calls, (std::vector<std::string>{"HideBar", "QueryAppBarPosition 1 0,0,1024,0",
                                                      "SetAppBarPosition 1 0,0,1024,0",
                                                      "KillTimer 4", "KillTimer 3"}));
  EXPECT_EQ(desktop_.timers.count(kTrimTimer), 1u);
  desktop_.calls.clear();
  bar_->OnTrayMessage(kMouseRightButtonDown);
  bar_->OnCommand(ids::IDC_MENU_ICON, kIconDoubleClicked);
  EXPECT_TRUE(desktop_.calls.empty());

  bar_->OnTrayMessage(kMouseLeftButtonDown);
  EXPECT_EQ(desktop_.calls, (std::vector<std::string>{"QueryAppBarPosition 1 0,0,1024,24",
                                                      "SetAppBarPosition 1 0,0,1024,24", "ShowBar",
                                                      "SetTimer 4 1000", "SetTimer 3 120000"}));

  desktop_.calls.clear();
  desktop_.cursor = {900, 10};
  desktop_.menuChoice = ids::IDM_HIDE;
  bar_->OnTrayMessage(kMouseLeftButtonDown);
  EXPECT_EQ(desktop_.calls[1], "ShowPopupMenu 100 900 10");
  EXPECT_FALSE(desktop_.visible);
}

TEST_F(TickerTest, BroadcastIconDragsThenOpensTheMenu) {
  ASSERT_TRUE(Start());
  desktop_.calls.clear();
  desktop_.barRect = {50, 300, 1074, 324};
  desktop_.cursor = {60, 310};
  desktop_.menuChoice = ids::IDM_FULL_WIDTH;
  bar_->OnCommand(ids::IDC_MENU_ICON, kIconClicked);
  EXPECT_EQ(desktop_.calls, (std::vector<std::string>{
                                "BringBarToForeground", "DragBar", "UnregisterAppBar",
                                "BringBarToForeground", "ShowPopupMenu 100 62 312",
                                "ResizeAndShowBrowserHost 1024 24", "ResizeAndShowBar 1024 24"}));
  EXPECT_EQ(bar_->settings().fixed, "");
  EXPECT_EQ(Store().Read("Window", "Width", "", 9), "1024");
}

TEST_F(TickerTest, HoverLendsTheBrowserTheFocusAndGivesItBack) {
  ASSERT_TRUE(Start());
  desktop_.calls.clear();
  desktop_.foreground = 42;
  desktop_.underCursor = desktop_.browserWindow;
  bar_->OnTimer(kHoverTimer);
  EXPECT_EQ(desktop_.calls, (std::vector<std::string>{"AttachInputTo 42", "FocusWindow 100"}));
  EXPECT_TRUE(bar_->focusAttached());
  bar_->OnTimer(kHoverTimer);
  EXPECT_EQ(desktop_.calls.back(), "SetCursorPosition 500");

  desktop_.calls.clear();
  desktop_.foreground = 43;
  desktop_.underCursor = 1;
  bar_->OnTimer(kHoverTimer);
  EXPECT_EQ(desktop_.calls, (std::vector<std::string>{"ActivateWindow 42", "DetachInputFrom 42"}));
  EXPECT_FALSE(bar_->focusAttached());
  bar_->OnTimer(kHoverTimer);
  bar_->OnTimer(kTrimTimer);
  EXPECT_EQ(desktop_.calls.back(), "TrimMemory");
}

}  // namespace
}  // namespace vb::test
