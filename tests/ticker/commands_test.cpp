#include "resources/resource_ids.h"
#include "ticker/ticker_fixture.h"
#include "ticker/timer_ids.h"

namespace vb::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(TickerTest, TransparencyModesSaveAndRestoreTheBackground) {
  WriteChannels(0, 0);
  Store().Write("Format", "BgColor", "abcdef");
  ASSERT_TRUE(Start());
  const Strings translucent{"SetBarLayered 1", "SetBarTransparency opacity 150", "RedrawBar"},
      keyed{"SetBarLayered 1", "SetBarTransparency key 5649426", "RedrawBar"},
      opaque{"SetBarLayered 0", "RedrawBar"};
  // Only entering or leaving '2' re-renders, with the keyed colour only in '2'; a mode already
  // in force does nothing at all.
  const struct {
    int command;
    Strings calls;
    bool renders;
    char mode;
  } steps[] = {{ids::IDM_TRANSLUCENT, translucent, false, '1'},
               {ids::IDM_TRANSLUCENT, {}, false, '1'},
               {ids::IDM_FULL_TRANSPARENT, keyed, true, '2'},
               {ids::IDM_TRANSLUCENT, translucent, true, '1'},
               {ids::IDM_OPAQUE, opaque, false, '0'},
               {ids::IDM_OPAQUE, {}, false, '0'},
               {ids::IDM_FULL_TRANSPARENT, keyed, true, '2'},
               {ids::IDM_OPAQUE, opaque, true, '0'}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.command);
    desktop_.calls.clear();
    const auto renders = renderer_.rendered.size();
    const std::string background = step.mode == '2' ? "123456" : "abcdef";
    bar_->OnCommand(step.command);
    desktop_.calls.resize(std::min(desktop_.calls.size(), step.calls.size()));
    EXPECT_EQ(desktop_.calls, step.calls);
    EXPECT_EQ(renderer_.rendered.size(), renders + step.renders);
    if (step.renders) {
      EXPECT_EQ(renderer_.requests.back().bgColor, background);
    }
    EXPECT_EQ(bar_->settings().bgColor.text(), background);
    EXPECT_EQ(Store().Read("Format", "Mode", "", 9), std::string(1, step.mode));
    EXPECT_EQ(bar_->IconControlColours().background, step.mode == '2' ? 0x563412u : 0u);
  }
  EXPECT_EQ(bar_->IconControlColours().text, 0xFFFF00u);
  EXPECT_EQ(Store().Read("Format", "BgColor", "", 9), "abcdef");  // never written by a mode
}

TEST_F(TickerTest, DialogsOpenWhereTheyBelongAndTheConfigDialogFollowsTheMode) {
  ASSERT_TRUE(Start());
  bar_->OnCommand(ids::IDM_CONFIG);
  bar_->OnCommand(ids::IDM_CONFIG);
  EXPECT_EQ(desktop_.Count("OpenDialog 103 100 100"), 1);
  bar_->OnCommand(ids::IDM_FULL_TRANSPARENT);
  EXPECT_TRUE(desktop_.dialog.Checked(ids::IDC_FULL_TRANSPARENT));
  EXPECT_FALSE(desktop_.dialog.Enabled(ids::IDC_BGCOLOR));
  bar_->OnCommand(ids::IDM_TRANSLUCENT);
  EXPECT_TRUE(desktop_.dialog.Enabled(ids::IDC_BGCOLOR));

  desktop_.calls.clear();
  for (const int command :
       {ids::IDM_HELP, ids::IDM_HELP, ids::IDM_BKPIC_USE, ids::IDM_IMPORT, ids::IDM_EXPORT}) {
    bar_->OnCommand(command);
  }
  EXPECT_EQ(desktop_.calls,
            (Strings{"OpenDialog 106 80 120", "OpenDialog 106 80 120", "OpenDialog 137 300 200",
                     "OpenDialog 146 300 200", "OpenDialog 147 300 200"}));
  bar_->OnCommand(ids::IDM_UPDATE);
  EXPECT_TRUE(desktop_.calls.back().ends_with("/soft/50550.htm"));

  // Switching the picture off reaches the page at once and is remembered.
  Store().Write("Format", "BkPic", "old.jpg");
  const auto renders = renderer_.rendered.size();
  bar_->OnCommand(ids::IDM_BKPIC_NONE);
  ASSERT_EQ(renderer_.rendered.size(), renders + 1);
  EXPECT_EQ(renderer_.requests.back().bkPic, "");
  EXPECT_EQ(Store().Read("Format", "BkPic", "?", 9), "");
}

TEST_F(TickerTest, TrayHidesAndShowsTheBarWithItsTimersAndStrip) {
  ASSERT_TRUE(Start());
  // No notification area holds the icon: nothing could show a hidden bar again, so none hides.
  desktop_.trayShown = false;
  desktop_.calls.clear();
  bar_->OnCommand(ids::IDM_HIDE);
  bar_->OnIconPressed(ids::IDC_MENU_ICON, IconPress::kDoubleClick);
  bar_->OnTrayIconPressed(PointerButton::kSecondary);
  EXPECT_TRUE(desktop_.calls.empty());
  EXPECT_TRUE(desktop_.visible);
  desktop_.trayShown = true;
  desktop_.events->OnTrayIconPressed(PointerButton::kSecondary);
  EXPECT_EQ(desktop_.calls,
            (Strings{"HideBar", "QueryAppBarPosition top 0,0,1024,0",
                     "SetAppBarPosition top 0,0,1024,0", "KillTimer 4", "KillTimer 3"}));
  EXPECT_EQ(desktop_.timers.count(kTrimTimer), 1u);
  desktop_.calls.clear();
  bar_->OnTrayIconPressed(PointerButton::kSecondary);
  bar_->OnIconPressed(ids::IDC_MENU_ICON, IconPress::kDoubleClick);
  EXPECT_TRUE(desktop_.calls.empty());

  bar_->OnTrayIconPressed(PointerButton::kPrimary);
  EXPECT_EQ(desktop_.calls,
            (Strings{"QueryAppBarPosition top 0,0,1024,24", "SetAppBarPosition top 0,0,1024,24",
                     "ShowBar", "SetTimer 4 1000", "SetTimer 3 120000"}));

  desktop_.calls.clear();
  desktop_.cursor = {900, 10};
  desktop_.menuChoice = ids::IDM_HIDE;
  bar_->OnTrayIconPressed(PointerButton::kPrimary);
  EXPECT_EQ(desktop_.calls[0], "ShowPopupMenu 100 900 10");
  EXPECT_FALSE(desktop_.visible);

  // A screen that grew while the bar ran: the strip follows it to the new bottom edge and width,
  // above the taskbar there.
  bar_->OnCommand(ids::IDM_DOCK_BOTTOM);
  desktop_.screen = {1280, 1024};
  desktop_.shellTopInset = 30;
  bar_->OnAppBarNotice(AppBarNotice::kPositionChanged, false);
  EXPECT_EQ(desktop_.calls.back(), "MoveBar 0 970");
  EXPECT_EQ(desktop_.calls.end()[-2], "SetAppBarPosition bottom 0,970,1280,994");
}

TEST_F(TickerTest, BroadcastIconDragsThenOpensTheMenu) {
  Store().Write("Window", "Width", "800");
  ASSERT_TRUE(Start());
  desktop_.calls.clear();
  desktop_.barRect = {50, 300, 850, 324};
  desktop_.cursor = {60, 310};
  // The width of the screen as it is now, the bar left where it is.
  desktop_.menuChoice = ids::IDM_FULL_WIDTH;
  desktop_.screen = {1600, 900};
  bar_->OnIconPressed(ids::IDC_MENU_ICON, IconPress::kClick);
  EXPECT_EQ(desktop_.calls, (Strings{"DragBar", "ShowPopupMenu 100 62 312", "ResizePage 1600 24",
                                     "ResizeAndShowBar 1600 24"}));
  EXPECT_EQ(bar_->dock().strip().top, 300);
  EXPECT_EQ(Store().Read("Window", "Width", "", 9), "1600");
}

TEST_F(TickerTest, HoverLendsTheBrowserTheKeyboardAndGivesBackOnlyWhatItStillHolds) {
  ASSERT_TRUE(Start());
  desktop_.calls.clear();
  desktop_.foreground = 42;
  desktop_.underCursor = desktop_.browserWindow;
  bar_->OnTimer(kHoverTimer);
  EXPECT_EQ(desktop_.calls, (Strings{"LendKeyboardToPage 42 100"}));
  EXPECT_TRUE(bar_->focus().loaned());
  bar_->OnTimer(kHoverTimer);
  EXPECT_EQ(desktop_.calls.back(), "SetCursorPosition 500");

  desktop_.underCursor = 1;
  desktop_.calls.clear();
  bar_->OnTimer(kHoverTimer);
  EXPECT_EQ(desktop_.calls, (Strings{"ActivateWindow 42", "EndKeyboardLoan 42"}));
  EXPECT_FALSE(bar_->focus().loaned());
  bar_->OnTimer(kHoverTimer);
  bar_->OnTimer(kTrimTimer);
  EXPECT_EQ(desktop_.calls.back(), "TrimMemory");

  // A click on a headline opened a browser that took the keyboard: it keeps it when the
  // pointer leaves, and the input link is released all the same.
  desktop_.underCursor = desktop_.browserWindow;
  bar_->OnTimer(kHoverTimer);
  desktop_.barHasKeyboard = false;
  desktop_.underCursor = 1;
  desktop_.calls.clear();
  bar_->OnTimer(kHoverTimer);
  EXPECT_EQ(desktop_.calls, (Strings{"EndKeyboardLoan 42"}));
  EXPECT_FALSE(bar_->focus().loaned());

  // A re-render from the menu with the pointer off the page remembers another window and
  // gives it the keyboard; the input link made with window 42 must still be released.
  desktop_.underCursor = desktop_.browserWindow;
  bar_->OnTimer(kHoverTimer);
  desktop_.foreground = 43;
  desktop_.underCursor = 1;
  desktop_.calls.clear();
  bar_->OnTimer(kRotationTimer);
  bar_->OnTimer(kHoverTimer);
  EXPECT_TRUE(desktop_.Called("ActivateWindow 43"));
  EXPECT_EQ(desktop_.calls.back(), "EndKeyboardLoan 42");
  EXPECT_EQ(desktop_.Count("ActivateWindow"), 1);

  // A browser without a use for keys: hovering stops the rotation and touches no keyboard.
  desktop_.pageUsesKeys = false;
  desktop_.underCursor = desktop_.browserWindow;
  desktop_.calls.clear();
  bar_->OnTimer(kHoverTimer);
  bar_->OnTimer(kRotationTimer);
  bar_->OnTimer(kHoverTimer);
  EXPECT_EQ(desktop_.calls, Strings{});
  EXPECT_FALSE(bar_->focus().loaned());

  // A desktop that lends no keyboard at all: the same, and a reload is only a reload.
  desktop_ = FakeDesktop();
  desktop_.lendsKeyboard = false;
  ASSERT_TRUE(Start());
  desktop_.underCursor = desktop_.browserWindow;
  desktop_.calls.clear();
  bar_->OnTimer(kHoverTimer);
  bar_->OnTimer(kRotationTimer);
  desktop_.underCursor = 1;
  bar_->OnTimer(kRotationTimer);
  EXPECT_EQ(desktop_.calls, (Strings{"SetTimer 3 30000", "ReloadPage"}));
}

}  // namespace
}  // namespace vb::testing
