#pragma once

#include <string>

#include "dialogs/bar_link.h"
#include "dialogs/dialog_controller.h"
#include "fetch/download_starter.h"
#include "fetch/update_notice.h"
#include "settings/autostart.h"
#include "settings/channel_table.h"
#include "settings/data_paths.h"
#include "settings/profile_store.h"
#include "settings/ticker_settings.h"
#include "ticker/desktop.h"
#include "ticker/page_renderer.h"
#include "ticker/screen_edge_dock.h"

namespace vb {

// What a fully transparent bar makes invisible: the page background kTransparentKeyColor.
inline constexpr Colour kColourKey = 0x563412;

// What started a rotation step.
enum class RotationTrigger : char { kTimer = 0, kPrevious = 1, kNext = 2 };

// What the bar works with, all owned by the caller and outliving the bar.
struct TickerParts {
  Desktop& desktop;
  Autostart& autostart;
  DownloadStarter& downloads;
  PageRenderer& renderer;
};

// The bar: its start-up, every event the desktop delivers, the rotation of the channels, the
// commands, transparency, docking and hover focus. The desktop's events enter through BarEvents,
// the dialogs' requests through BarLink. Used by RunTicker:
//
//   TickerWindow bar(parts, BuildDataPaths(folder), foregroundAtStart);
//   if (!bar.Start()) return 0;
//   const int exitCode = desktop.RunLoop();
//   bar.Finish();
//   return exitCode;
class TickerWindow final : public BarEvents, public BarLink {
 public:
  TickerWindow(const TickerParts& parts, DataPaths paths, WindowRef foregroundAtStart);

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
  void OnAppBarNotice(AppBarNotice notice, bool fullScreenOpened) override;
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
  const DownloadTarget& currentChannel() const { return currentChannel_; }
  const ScreenEdgeDock& dock() const { return dock_; }
  int shownIndex() const { return shownIndex_; }
  int previousIndex() const { return previousIndex_; }
  bool focusAttached() const { return focusAttached_; }
  WindowRef rememberedForeground() const { return rememberedForeground_; }
  bool uninstallRequested() const { return uninstallRequested_; }

 private:
  // Start-up.
  void LoadOrCreateSettings();
  void ApplyStartupTransparency();
  void CreateIconControls();
  void FindExistingChannelFile();
  void CreateChannelTips();

  // Rotation.
  void RotationStep();
  void ShowCurrentChannel();
  // Makes the next channel current and fetches it (not after a step back); a timer's step also
  // deletes the file after it, so that it is fetched anew.
  void MoveToNextChannel();
  void NextChannel();
  void PreviousChannel();
  int RenderCurrentChannel();
  void ReloadPage();
  void UpdateChannelTips();
  void SetChannelTipTitles();
  // The display name of channel `index`, or `unset` when it has none.
  std::string NameOr(int index, const char* unset) const;
  void SetPreviousIndexFromShown();

  // Tray, menu and commands.
  void HideFromTray();
  void ShowFromTray();
  void ShowPopupMenu(int offset);
  void BroadcastIcon(IconPress press);
  void OpenConfigDialog();
  void OpenDialog(int resourceId, int x, int y);
  void Uninstall();
  void UseFullWidth();
  void RemoveBackgroundPicture();

  // Transparency.
  TransparencyMode Mode() const;
  void SetMode(TransparencyMode mode);
  void MakeFullyTransparent();
  void MakeTranslucent();
  void MakeOpaque();
  void RetickConfigDialog(TransparencyMode mode);

  // Hover focus.
  void HoverTick();

  void Shutdown();

  Desktop& desktop_;
  Autostart& autostart_;
  DownloadStarter& downloads_;
  PageRenderer& renderer_;

  DataPaths paths_;
  ProfileStore store_;
  TickerSettings settings_;
  ChannelTable table_;
  DownloadTarget currentChannel_;
  ChannelStore channels_;
  DialogContext dialogContext_;
  UpdateNote note_;
  DownloadTarget noteTarget_;
  ScreenEdgeDock dock_;

  int shownIndex_ = 0;
  int previousIndex_ = 0;
  RotationTrigger trigger_ = RotationTrigger::kTimer;
  bool tipsReady_ = false;
  bool browserReady_ = false;
  bool focusAttached_ = false;
  bool uninstallRequested_ = false;
  bool shutDown_ = false;
  WindowRef rememberedForeground_;
  WindowRef attachedTo_{};  // the window whose thread's input is attached while focusAttached_
  DialogView* configDialog_ = nullptr;
};

}  // namespace vb
