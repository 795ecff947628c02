#pragma once

#include "dialogs/bar_link.h"
#include "settings/profile_store.h"
#include "settings/ticker_settings.h"
#include "ticker/bar_dialogs.h"
#include "ticker/bar_transparency.h"
#include "ticker/desktop.h"
#include "ticker/rotation.h"
#include "ticker/screen_edge_dock.h"

namespace vb {

// The parts of the bar that the commands drive, all outliving them.
struct CommandParts {
  Desktop desktop;
  TickerSettings& settings;
  const ProfileStore& store;
  ScreenEdgeDock& dock;
  ChannelRotation& rotation;
  BarTransparency& transparency;
  BarDialogs& dialogs;
  // Where a menu choice goes, and what resizes the bar.
  BarLink& bar;
};

// The menu's commands, the icons on the bar and the tray icon. Closing and uninstalling end
// the bar, so its owner runs those itself.
class BarCommands {
 public:
  explicit BarCommands(const CommandParts& parts) : parts_(parts) {}

  void Run(int commandId);
  void OnIconPressed(int controlId, IconPress press);
  void OnTrayIconPressed(PointerButton button);

 private:
  void HideFromTray();
  void ShowFromTray();
  void ShowPopupMenu(int offset);
  void BroadcastIcon(IconPress press);
  void UseFullWidth();
  void RemoveBackgroundPicture();

  CommandParts parts_;
};

}  // namespace vb
