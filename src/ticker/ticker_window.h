#pragma once

#include <string>

#include "dialogs/bar_link.h"
#include "fetch/download_starter.h"
#include "fetch/update_notice.h"
#include "settings/autostart.h"
#include "settings/channel_table.h"
#include "settings/data_paths.h"
#include "settings/profile_store.h"
#include "settings/ticker_settings.h"
#include "ticker/bar_commands.h"
#include "ticker/bar_dialogs.h"
#include "ticker/bar_transparency.h"
#include "ticker/desktop.h"
#include "ticker/page_focus.h"
#include "ticker/page_renderer.h"
#include "ticker/rotation.h"
#include "ticker/screen_edge_dock.h"

namespace vb {

// What the bar works with, all owned by the caller and outliving the bar.
struct TickerParts {
  Desktop desktop;
  Autostart& autostart;
  DownloadStarter& downloads;
  PageRenderer& renderer;
};

// The bar: its settings and channels, its parts (rotation, commands, transparency, docking,
// focus, dialogs), start-up and shutdown. The desktop's events enter through BarEvents, the
// dialogs' requests through BarLink. Used by RunTicker:
//
//   TickerWindow bar(parts, BuildDataPaths(folder), foregroundAtStart);
//   if (!bar.Start()) return 0;
//   const int exitCode = desktop.system.RunLoop();
//   bar.Finish();
//   return exitCode;
class TickerWindow final : public BarEvents, public BarLink {
 public:
  TickerWindow(const TickerParts& parts, DataPaths paths, WindowRef foregroundAtStart);
  TickerWindow(const TickerWindow&) = delete;
  TickerWindow& operator=(const TickerWindow&) = delete;

  // Everything up to the loop: settings, the bar and its children, the first page and
  // download, the timers, docking, and showing the bar. False is an early end (exit code 0).
  bool Start();
  // After the loop: an uninstall deletes every data file and switches autostart off.
  void Finish();

  // BarEvents.
  void OnTimer(int timerId) override;
  void OnCommand(int commandId) override;
  void OnIconPressed(int controlId, IconPress press) override;
  void OnTrayIconPressed(PointerButton button) override;
  void OnTaskbarCreated() override;
  void OnAppBarNotice(AppBarNotice notice, bool taskbarOnTop) override;
  void OnClose() override;
  void OnDestroy() override;
  void OnSessionEnd() override;
  IconColours IconControlColours() const override;

  // BarLink.
  void SendCommand(int commandId) override;
  void RequestRotationStep() override;
  void RestartRotationTimer() override;
  void ResizeAppBarStrip() override;
  void ResizeAndShowBar() override;
  void Quit() override;

  const TickerSettings& settings() const { return settings_; }
  const ChannelTable& table() const { return table_; }
  const ScreenEdgeDock& dock() const { return dock_; }
  const ChannelRotation& rotation() const { return rotation_; }
  const PageFocus& focus() const { return focus_; }

 private:
  void LoadOrCreateSettings();
  void CreateIconControls();
  void FindExistingChannelFile();
  void AddTrayIcon();
  void Uninstall();
  void Shutdown();

  Desktop desktop_;
  Autostart& autostart_;
  DownloadStarter& downloads_;

  DataPaths paths_;
  ProfileStore store_;
  TickerSettings settings_;
  ChannelTable table_;
  DownloadTarget currentChannel_;
  ChannelStore channels_;
  UpdateNote note_;
  DownloadTarget noteTarget_;
  ScreenEdgeDock dock_;
  PageFocus focus_;
  ChannelRotation rotation_;
  BarDialogs dialogs_;
  BarTransparency transparency_;
  BarCommands commands_;

  bool uninstallRequested_ = false;
  bool shutDown_ = false;
};

}  // namespace vb
