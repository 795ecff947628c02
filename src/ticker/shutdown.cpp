#include "ticker/run_ticker.h"
#include "ticker/ticker_window.h"
#include "ticker/timer_ids.h"

namespace vb {

void TickerWindow::Shutdown() {
  // The window's destruction and the session's end both arrive; one shutdown is enough.
  if (shutDown_) return;
  shutDown_ = true;
  desktop_.appBar.UnregisterAppBar();
  desktop_.tray.RemoveTrayIcon();
  for (const int timer : {kRotationTimer, kTrimTimer, kNoteTimer, kHoverTimer}) {
    desktop_.timers.KillTimer(timer);
  }
  settings_.origX = dock_.strip().left;
  settings_.origY = dock_.strip().top;
  ProfileChanges changes;
  AddSettingKeys(changes, settings_, {SettingKey::kOrigX, SettingKey::kOrigY, SettingKey::kFixed});
  changes.Set("FileNo", "CurrentFileNo", std::to_string(table_.current));
  const bool saved = store_.Write(changes);
  desktop_.system.DeleteFileAt(paths_.noteFile);
  // The exit code is the only witness of a position that could not be saved.
  desktop_.system.QuitLoop(saved ? 0 : kExitSettingsNotSaved);
}

void TickerWindow::Finish() {
  if (!uninstallRequested_) return;
  for (int k = 0; k < kMaxChannels; ++k) desktop_.system.DeleteFileAt(paths_.ChannelFile(k));
  desktop_.system.DeleteFileAt(paths_.settingsFile);
  desktop_.system.DeleteFileAt(paths_.pageFile);
  desktop_.system.DeleteFileAt(paths_.noteFile);
  autostart_.Set(false);
}

}  // namespace vb
