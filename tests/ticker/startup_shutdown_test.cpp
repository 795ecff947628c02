#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/text_936.h"
#include "ticker/run_ticker.h"
#include "ticker/ticker_fixture.h"
#include "ticker/timer_ids.h"

namespace vb::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(TickerTest, FirstRunBuildsTheBarInOrderAndDocksItAtTheTop) {
  ASSERT_TRUE(Start());
  // Icons before the browser (they lie above it), the browser after the first render, the bar
  // shown only once it is in its final place.
  const std::string tray = "AddTrayIcon 102 " + Utf8To936(res::text::kTrayTip);
  EXPECT_EQ(
      desktop_.calls,
      (Strings{"CreateBar 1024 24", tray, "SetTimer 2 5000", "SetTimer 9 180000", "SetTimer 4 1000",
               "Icon 40016 0 0 102", "Icon 40004 48 -8 144", "Icon 40023 20 -8 143",
               "SetTimer 3 30000", "ShowPage " + paths_.pageFile, "CreateTooltip 40023",
               "CreateTooltip 40004", "RegisterAppBar", "QueryAppBarPosition top 0,0,1024,24",
               "SetAppBarPosition top 0,0,1024,24", "MoveAndShowBar 0 0"}));
  EXPECT_LT(tray.size(), 16u + 64u);  // the tip's buffer holds 64 bytes
  EXPECT_NE(tray.find("VellobandV1.1\n\n\xcd\xf8"), std::string::npos);  // 网, in code page 936
  EXPECT_EQ(downloads_.started.front().path, paths_.noteFile);  // the note tick ran at once
  desktop_.calls.clear();
  bar_->OnTaskbarCreated();
  EXPECT_EQ(desktop_.calls, Strings{tray});
}

TEST_F(TickerTest, StartUpShowsTheFirstExistingFileFromTheSavedOne) {
  WriteChannels(4, 1);
  MakeFile(3);
  MakeFile(0);
  ASSERT_TRUE(Start());
  EXPECT_EQ(renderer_.rendered, Strings{File(3)});
  EXPECT_EQ(renderer_.requests[0].currentChannel.url, "http://h/3");
  EXPECT_EQ(Fetched(), Strings{File(0)});

  // No file at all: the saved channel's missing file, a sooner retry, the next one fetched.
  WriteChannels(4, 2);
  std::filesystem::remove(File(0));
  std::filesystem::remove(File(3));
  downloads_.started.clear();
  ASSERT_TRUE(Start());
  EXPECT_EQ(renderer_.rendered.back(), File(2));
  EXPECT_EQ(desktop_.timers[kRotationTimer], kRetryPeriodMs);
  EXPECT_EQ(Fetched(), Strings{File(3)});
}

TEST_F(TickerTest, StartUpTransparencyNeedsLayeredWindows) {
  for (const auto& [mode, attributes] : {std::pair{"1", "SetBarTransparency opacity 155"},
                                         {"2", "SetBarTransparency key 5649426"}}) {
    Store().Write("Format", "Mode", mode);
    desktop_ = FakeDesktop();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(desktop_.Called(attributes)) << mode;
  }
  // Without layered windows a stored '2' leaves the bar opaque, and only opaque can be chosen;
  // leaving '2' gives back the initial saved colour.
  desktop_ = FakeDesktop();
  desktop_.layeredAvailable = false;
  ASSERT_TRUE(Start());
  bar_->OnCommand(ids::IDM_TRANSLUCENT);
  bar_->OnCommand(ids::IDM_FULL_TRANSPARENT);
  EXPECT_FALSE(desktop_.Called("SetBarLayered 1"));
  EXPECT_EQ(bar_->settings().mode, TransparencyMode::kColourKey);
  bar_->OnCommand(ids::IDM_OPAQUE);
  EXPECT_EQ(bar_->settings().mode, TransparencyMode::kOpaque);
  EXPECT_EQ(bar_->settings().bgColor.text(), "000000");
  // A compositing manager that starts later makes the commands work.
  desktop_.layeredAvailable = true;
  bar_->OnCommand(ids::IDM_TRANSLUCENT);
  EXPECT_TRUE(desktop_.Called("SetBarTransparency opacity 150"));
  EXPECT_EQ(bar_->settings().mode, TransparencyMode::kTranslucent);
}

TEST_F(TickerTest, ShutdownSavesThePlaceAndRunsOnce) {
  WriteChannels(3, 0);
  Store().Write("Window", "Fixed", "");
  Store().Write("Window", "OrigX", "40");
  Store().Write("Window", "OrigY", "-7");
  MakeFile(0);
  ASSERT_TRUE(Start());
  WriteFile(paths_.noteFile, "note");
  desktop_.calls.clear();
  bar_->OnSessionEnd();
  bar_->OnDestroy();
  EXPECT_EQ(desktop_.calls, (Strings{"UnregisterAppBar", "RemoveTrayIcon", "KillTimer 3",
                                     "KillTimer 2", "KillTimer 9", "KillTimer 4",
                                     "DeleteFileAt " + paths_.noteFile, "QuitLoop 0"}));
  const ProfileStore store = Store();
  EXPECT_EQ((Strings{store.Read("Window", "OrigX", "?", 9), store.Read("Window", "OrigY", "?", 9),
                     store.Read("Window", "Fixed", "?", 9),
                     store.Read("FileNo", "CurrentFileNo", "?", 9)}),
            (Strings{"40", "-7", "", "1"}));

  // A settings file that can no longer be written is not a clean exit.
  desktop_ = FakeDesktop();
  ASSERT_TRUE(Start());
  std::filesystem::remove(paths_.settingsFile);
  std::filesystem::create_directory(paths_.settingsFile);
  bar_->OnDestroy();
  EXPECT_EQ(desktop_.quitCode, kExitSettingsNotSaved);
}

TEST_F(TickerTest, UninstallDeletesEveryDataFileAfterTheLoop) {
  WriteChannels(2, 0);
  for (int k = 0; k < 10; ++k) MakeFile(k);
  desktop_.duringLoop = [this] {
    desktop_.answer = Answer::kCancel;
    desktop_.events->OnCommand(ids::IDM_UNINSTALL);
    EXPECT_EQ(desktop_.quitCode, -1);
    desktop_.answer = Answer::kOk;
    desktop_.events->OnCommand(ids::IDM_UNINSTALL);
  };
  EXPECT_EQ(RunTicker(desktop_.Port(), folder_.path(), autostart_, downloads_, renderer_), 0);
  EXPECT_TRUE(desktop_.Called("AskOkCancel"));
  EXPECT_TRUE(desktop_.Called("DestroyBar"));
  for (int k = 0; k < 10; ++k) EXPECT_FALSE(std::filesystem::exists(File(k))) << k;
  EXPECT_FALSE(std::filesystem::exists(paths_.settingsFile));
  EXPECT_TRUE(desktop_.Called("DeleteFileAt " + paths_.pageFile));
  EXPECT_EQ(autostart_.sets, std::vector<bool>{false});
}

TEST_F(TickerTest, ASecondInstanceOrARefusedDockEndsAtOnce) {
  std::filesystem::remove_all(folder_.path());
  desktop_.anotherInstance = true;
  EXPECT_EQ(RunTicker(desktop_.Port(), folder_.path(), autostart_, downloads_, renderer_), 0);
  EXPECT_TRUE(desktop_.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(folder_.path()));

  desktop_ = FakeDesktop();
  desktop_.appBarRegisters = false;
  EXPECT_EQ(RunTicker(desktop_.Port(), folder_.path(), autostart_, downloads_, renderer_), 0);
  EXPECT_FALSE(desktop_.Called("RunLoop"));
  EXPECT_FALSE(desktop_.visible);
}

TEST_F(TickerTest, AStartRemovesTheTemporaryFilesEarlierRunsLeftAndNothingElse) {
  const std::vector<std::string> leftovers = {"velloband0.tmp123_4", "velloband9.tmp1_0",
                                              "velloband_note.tmp0_0", "velloband.ini.tmp7_77",
                                              "velloband.html.tmp8_9"};
  const std::vector<std::string> others = {
      "velloband0",         "velloband0.tmp",        "velloband0.tmp1_", "velloband0.tmpx_1",
      "velloband10.tmp1_2", "velloband3.tmp1_2.bak", "other.tmp1_2",     "velloband.tmp1_2"};
  for (const auto& names : {leftovers, others}) {
    for (const std::string& name : names) WriteFile(folder_.File(name), "x");
  }
  const auto present = [&](const std::vector<std::string>& names) {
    std::size_t count = 0;
    for (const std::string& name : names) count += std::filesystem::exists(folder_.File(name));
    return count;
  };
  // A second instance leaves the running one's downloads alone.
  desktop_.anotherInstance = true;
  RunTicker(desktop_.Port(), folder_.path(), autostart_, downloads_, renderer_);
  EXPECT_EQ(present(leftovers), leftovers.size());

  desktop_ = FakeDesktop();
  RunTicker(desktop_.Port(), folder_.path(), autostart_, downloads_, renderer_);
  EXPECT_EQ(present(leftovers), 0u);
  EXPECT_EQ(present(others), others.size());
}

}  // namespace
}  // namespace vb::testing
