#include "resources/resource_ids.h"
#include "ticker/ticker_window.h"
#include "ticker/timer_ids.h"

namespace vb {

bool TickerWindow::Start() {
  const Size screen = desktop_.system.ScreenSize();
  SetScreenWidth(settings_, screen.width);
  LoadOrCreateSettings();
  currentChannel_.path = paths_.ChannelFile(table_.current);

  if (!desktop_.bar.CreateBar(settings_.barWidth, settings_.BarHeight(), *this)) return false;
  AddTrayIcon();
  desktop_.timers.SetTimer(kTrimTimer, kTrimPeriodMs);
  // The note left by an earlier run reaches the first page.
  desktop_.timers.SetTimer(kNoteTimer, kNotePeriodMs);
  OnTimer(kNoteTimer);
  transparency_.ApplyAtStartup();
  desktop_.timers.SetTimer(kHoverTimer, kHoverPeriodMs);
  OnTimer(kHoverTimer);
  CreateIconControls();

  FindExistingChannelFile();
  rotation_.ShowCurrent();

  if (!desktop_.page.ShowPage(paths_.pageFile, settings_.barWidth, settings_.BarHeight())) {
    return false;
  }
  focus_.PageShown();
  rotation_.FetchFollowing();
  rotation_.CreateTips();

  dock_.SetScreen({0, 0, screen.width, screen.height});
  if (!dock_.DockAtStartup(settings_.origX, settings_.origY)) return false;
  desktop_.bar.MoveAndShowBar(dock_.strip().left, dock_.strip().top);
  return true;
}

void TickerWindow::LoadOrCreateSettings() {
  if (!desktop_.system.FileExists(paths_.settingsFile)) {
    // An unwritable folder only means the next start is a first run again.
    SetFirstRunDefaults(store_, autostart_, settings_, table_);
  } else {
    LoadSettings(store_, settings_, table_);
    LoadChannelTable(store_, table_);
  }
}

void TickerWindow::CreateIconControls() {
  desktop_.bar.CreateIconControl(ids::IDC_MENU_ICON, 0, 0, ids::IDI_BROADCAST);
  desktop_.bar.CreateIconControl(ids::IDM_NEXT_CHANNEL, 48, -8, ids::IDI_NEXT);
  desktop_.bar.CreateIconControl(ids::IDM_PREV_CHANNEL, 20, -8, ids::IDI_PREV);
}

void TickerWindow::FindExistingChannelFile() {
  if (table_.count == 0) return;
  for (int tries = 0; tries < table_.count && !desktop_.system.FileExists(currentChannel_.path);
       ++tries) {
    table_.current = table_.current + 1 >= table_.count ? 0 : table_.current + 1;
    currentChannel_.path = paths_.ChannelFile(table_.current);
  }
  currentChannel_.url = table_.entries[table_.current].url;
}

}  // namespace vb
