#include "ticker/ticker_window.h"
#include "ticker/timer_ids.h"

namespace vb {

void TickerWindow::Shutdown() {
  // The window's destruction and the session's end both arrive; one shutdown is enough.
  if (shutDown_) return;
  shutDown_ = true;
  desktop_.UnregisterAppBar();
  desktop_.RemoveTrayIcon();
  for (const int timer : {kRotationTimer, kTrimTimer, kNoteTimer, kHoverTimer}) {
    desktop_.KillTimer(timer);
  }
  settings_.origX = std::to_string(dock_.strip().left);
  settings_.origY = std::to_string(dock_.strip().top);
  store_.Write("Window", "OrigX", settings_.origX);
  store_.Write("Window", "OrigY", settings_.origY);
  store_.Write("Window", "Fixed", settings_.fixed);
  store_.Write("FileNo", "CurrentFileNo", std::to_string(table_.current));
  desktop_.DeleteFileAt(paths_.noteFile);
  desktop_.QuitLoop(0);
}

void TickerWindow::Finish() {
  if (!uninstallRequested_) return;
  for (int k = 0; k < kMaxChannels; ++k) desktop_.DeleteFileAt(paths_.ChannelFile(k));
  desktop_.DeleteFileAt(paths_.settingsFile);
  desktop_.DeleteFileAt(paths_.pageFile);
  desktop_.DeleteFileAt(paths_.noteFile);
  autostart_.Set(false);
}

}  // namespace vb
