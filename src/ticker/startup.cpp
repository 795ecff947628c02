#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "ticker/texts.h"
#include "ticker/ticker_window.h"
#include "ticker/timer_ids.h"

namespace vb {

bool TickerWindow::Start() {
  const Size screen = desktop_.ScreenSize();
  SetScreenWidth(settings_, screen.width);
  LoadOrCreateSettings();
  currentChannel_.path = paths_.ChannelFile(table_.current);
  dialogContext_.settingsCopySuggestion = desktop_.SettingsCopySuggestion();

  if (!desktop_.CreateBar(settings_.barWidth, settings_.BarHeight(), *this)) return false;
  desktop_.AddTrayIcon(ids::IDI_BROADCAST, res::Gbk(res::text::kTrayTip));
  desktop_.SetTimer(kTrimTimer, kTrimPeriodMs);
  // The note left by an earlier run reaches the first page.
  desktop_.SetTimer(kNoteTimer, kNotePeriodMs);
  OnTimer(kNoteTimer);
  ApplyStartupTransparency();
  desktop_.SetTimer(kHoverTimer, kHoverPeriodMs);
  OnTimer(kHoverTimer);
  CreateIconControls();

  FindExistingChannelFile();
  ShowCurrentChannel();

  if (!desktop_.ShowPage(paths_.pageFile, settings_.barWidth, settings_.BarHeight())) {
    return false;
  }
  browserReady_ = true;
  if (table_.count > 0) {
    // Like a step of the user's: the next channel is fetched, no file deleted.
    trigger_ = RotationTrigger::kNext;
    MoveToNextChannel();
  }
  CreateChannelTips();

  dock_.SetScreen({0, 0, screen.width, screen.height});
  if (!dock_.DockAtStartup(settings_.origX, settings_.origY)) return false;
  desktop_.MoveAndShowBar(dock_.strip().left, dock_.strip().top);
  return true;
}

void TickerWindow::LoadOrCreateSettings() {
  if (!desktop_.FileExists(paths_.settingsFile)) {
    // An unwritable folder only means the next start is a first run again.
    SetFirstRunDefaults(store_, autostart_, settings_, table_);
  } else {
    LoadSettings(store_, settings_, table_);
    LoadChannelTable(store_, table_);
  }
}

void TickerWindow::ApplyStartupTransparency() {
  if (!desktop_.LayeredWindowsAvailable() || Mode() == TransparencyMode::kOpaque) return;
  desktop_.SetBarLayered(true);
  if (Mode() == TransparencyMode::kTranslucent) {
    desktop_.SetBarTransparency(Transparency::Opacity(155));
  } else {
    desktop_.SetBarTransparency(Transparency::ColourKey(kColourKey));
  }
}

void TickerWindow::CreateIconControls() {
  desktop_.CreateIconControl(ids::IDC_MENU_ICON, 0, 0, ids::IDI_BROADCAST);
  desktop_.CreateIconControl(ids::IDM_NEXT_CHANNEL, 48, -8, ids::IDI_NEXT);
  desktop_.CreateIconControl(ids::IDM_PREV_CHANNEL, 20, -8, ids::IDI_PREV);
}

void TickerWindow::FindExistingChannelFile() {
  if (table_.count == 0) return;
  for (int tries = 0; tries < table_.count && !desktop_.FileExists(currentChannel_.path); ++tries) {
    table_.current = table_.current + 1 >= table_.count ? 0 : table_.current + 1;
    currentChannel_.path = paths_.ChannelFile(table_.current);
  }
  currentChannel_.url = table_.entries[table_.current].url;
}

void TickerWindow::CreateChannelTips() {
  const bool prev = desktop_.CreateTooltip(ids::IDM_PREV_CHANNEL);
  const bool next = desktop_.CreateTooltip(ids::IDM_NEXT_CHANNEL);
  if (!prev || !next) return;
  tipsReady_ = true;
  std::string text;
  if (table_.count > 0) {
    text = NameOr(shownIndex_, texts::kNoShownName);
    SetChannelTipTitles();
  }
  for (const int icon : {ids::IDM_PREV_CHANNEL, ids::IDM_NEXT_CHANNEL}) {
    desktop_.AddTooltipTool(icon, text);
  }
  for (const int icon : {ids::IDM_PREV_CHANNEL, ids::IDM_NEXT_CHANNEL}) {
    desktop_.ActivateTooltip(icon);
  }
}

}  // namespace vb
