#include "resources/resource_ids.h"
#include "ticker/run_ticker.h"
#include "ticker/ticker_fixture.h"
#include "ticker/timer_ids.h"

namespace vb::test {
namespace {

TEST_F(TickerTest, StartUpShowsTheFirstExistingFileFromTheSavedOne) {
  WriteChannels(4, 1);
  MakeFile(File(3));
  MakeFile(File(0));
  ASSERT_TRUE(Start());
  EXPECT_EQ(renderer_.rendered, std::vector<std::string>{File(3)});
  EXPECT_EQ(renderer_.requests[0].currentChannel.url, "http://h/3");
  EXPECT_EQ(bar_->shownIndex(), 3);
  EXPECT_EQ(Fetched(), std::vector<std::string>{File(0)});
  EXPECT_EQ(desktop_.timers[kRotationTimer], 120000);

  // No file at all: the saved channel's missing file, a sooner retry, the next one fetched.
  WriteChannels(4, 2);
  std::filesystem::remove(File(0));
  std::filesystem::remove(File(3));
  renderer_.rendered.clear();
  downloads_.started.clear();
  ASSERT_TRUE(Start());
  EXPECT_EQ(renderer_.rendered, std::vector<std::string>{File(2)});
  EXPECT_EQ(desktop_.timers[kRotationTimer], kRetryPeriodMs);
  EXPECT_EQ(Fetched(), std::vector<std::string>{File(3)});
}

TEST_F(TickerTest, FirstRunDocksAScreenWideBarAtTheTop) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(desktop_.Called("CreateBar 1024 24"));
  EXPECT_EQ(autostart_.sets, std::vector<bool>{true});
  EXPECT_TRUE(desktop_.Called("QueryAppBarPosition 1 0,0,1024,24"));
  EXPECT_TRUE(desktop_.Called("SetAppBarPosition 1 0,0,1024,24"));
  EXPECT_EQ(desktop_.calls.back(), "MoveAndShowBar 0 0");
  EXPECT_EQ(Store().Read("FileNo", "MaxFileNo", "", 9), "0");
  // The timers in their order, with the note and hover ticks run at once.
  std::vector<std::string> timers;
  for (const auto& call : desktop_.calls) {
    if (call.rfind("SetTimer", 0) == 0) timers.push_back(call);
  }
  EXPECT_EQ(timers, (std::vector<std::string>{"SetTimer 2 5000", "SetTimer 9 180000",
                                              "SetTimer 4 1000", "SetTimer 3 30000"}));
  EXPECT_EQ(downloads_.started.front().path, paths_.noteFile);
  EXPECT_FALSE(desktop_.Called("SetBarLayered"));
}

TEST_F(TickerTest, StartUpTransparencyNeedsLayeredWindows) {
  Store().Write("Format", "Mode", "1");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(desktop_.Called("SetLayeredAttributes 16777215 155 2"));

  Store().Write("Format", "Mode", "2");
  desktop_ = FakeDesktop();
  ASSERT_TRUE(Start());
  EXPECT_TRUE(desktop_.Called("SetLayeredAttributes 5649426 150 1"));
  EXPECT_EQ(bar_->settings().bgColor, "123456");

  // Without layered windows a stored '2' leaves the bar opaque, and only opaque can be chosen.
  desktop_ = FakeDesktop();
  desktop_.layeredAvailable = false;
  ASSERT_TRUE(Start());
  bar_->OnCommand(ids::IDM_TRANSLUCENT, 0);
  bar_->OnCommand(ids::IDM_FULL_TRANSPARENT, 0);
  EXPECT_FALSE(desktop_.Called("SetBarLayered 1"));
  EXPECT_EQ(bar_->settings().mode, "2");
  bar_->OnCommand(ids::IDM_OPAQUE, 0);
  EXPECT_EQ(bar_->settings().mode, "0");
  EXPECT_EQ(bar_->settings().bgColor, "000000");  // the initial saved colour
}

TEST_F(TickerTest, ShutdownSavesThePlaceAndRunsOnce) {
  WriteChannels(3, 0);
  Store().Write("Window", "Fixed", "");
  Store().Write("Window", "OrigX", "40");
  Store().Write("Window", "OrigY", "-7");
  MakeFile(File(0));
  ASSERT_TRUE(Start());
  MakeFile(paths_.noteFile);
  desktop_.calls.clear();
  bar_->OnSessionEnd();
  bar_->OnDestroy();
  EXPECT_EQ(desktop_.calls,
            (std::vector<std::string>{"UnregisterAppBar", "RemoveTrayIcon", "KillTimer 3",
                                      "KillTimer 2", "KillTimer 9", "KillTimer 4",
                                      "DeleteFileAt " + paths_.noteFile, "QuitLoop 0"}));
  const ProfileStore store = Store();
  EXPECT_EQ(store.Read("Window", "OrigX", "?", 9), "40");
  EXPECT_EQ(store.Read("Window", "OrigY", "?", 9), "-7");
  EXPECT_EQ(store.Read("Window", "Fixed", "?", 9), "");
  EXPECT_EQ(store.Read("FileNo", "CurrentFileNo", "?", 9), "1");
  EXPECT_FALSE(std::filesystem::exists(paths_.noteFile));
  EXPECT_TRUE(std::filesystem::exists(File(0)));
}

TEST_F(TickerTest, UninstallDeletesEveryDataFileAfterTheLoop) {
  WriteChannels(2, 0);
  for (int k = 0; k < 10; ++k) MakeFile(File(k));
  desktop_.duringLoop = [this] {
    desktop_.answer = 2;  // cancel
    desktop_.events->OnCommand(ids::IDM_UNINSTALL, 0);
    EXPECT_EQ(desktop_.quitCode, -1);
    desktop_.answer = kAnswerOk;
    desktop_.events->OnCommand(ids::IDM_UNINSTALL, 0);
  };
  EXPECT_EQ(RunTicker(desktop_, folder_.string(), autostart_, downloads_, renderer_), 0);
  EXPECT_TRUE(desktop_.Called("AskUser 17"));
  EXPECT_TRUE(desktop_.Called("DestroyBar"));
  for (int k = 0; k < 10; ++k) EXPECT_FALSE(std::filesystem::exists(File(k))) << k;
  EXPECT_FALSE(std::filesystem::exists(paths_.settingsFile));
  EXPECT_TRUE(desktop_.Called("DeleteFileAt " + paths_.pageFile));
  EXPECT_EQ(autostart_.sets.back(), false);
}

TEST_F(TickerTest, ASecondInstanceOrARefusedDockEndsAtOnce) {
  std::filesystem::remove_all(folder_);
  desktop_.anotherInstance = true;
  EXPECT_EQ(RunTicker(desktop_, folder_.string(), autostart_, downloads_, renderer_), 0);
  EXPECT_TRUE(desktop_.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(folder_));

  desktop_ = FakeDesktop();
  desktop_.appBarRegisters = false;
  EXPECT_EQ(RunTicker(desktop_, folder_.string(), autostart_, downloads_, renderer_), 0);
  EXPECT_FALSE(desktop_.Called("RunLoop"));
  EXPECT_FALSE(desktop_.visible);
}

}  // namespace
}  // namespace vb::test
