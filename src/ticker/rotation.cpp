#include "resources/resource_ids.h"
#include "ticker/texts.h"
#include "ticker/ticker_window.h"
#include "ticker/timer_ids.h"

namespace vb {

void TickerWindow::RotationStep() {
  // While the pointer rests on the page the rotation stands still, and a command that started
  // this step waits for the next one that runs.
  if (desktop_.IsOnPage(desktop_.WindowAt(desktop_.CursorPosition()))) return;

  ShowCurrentChannel();
  ReloadPage();

  if (table_.count == 0) {
    if (tipsReady_) {
      desktop_.UpdateTooltipText(ids::IDM_PREV_CHANNEL, "");
      desktop_.UpdateTooltipText(ids::IDM_NEXT_CHANNEL, "");
    }
    return;
  }
  MoveToNextChannel();
}

// Renders the current channel as the shown one; a page that showed nothing is tried again soon.
void TickerWindow::ShowCurrentChannel() {
  shownIndex_ = table_.current;
  SetPreviousIndexFromShown();
  const int rendered = RenderCurrentChannel();
  desktop_.SetTimer(kRotationTimer, rendered >= 1 ? settings_.RotationPeriodMs() : kRetryPeriodMs);
}

void TickerWindow::MoveToNextChannel() {
  const auto following = [this](int index) { return index + 1 >= table_.count ? 0 : index + 1; };
  table_.current = following(table_.current);
  if (trigger_ == RotationTrigger::kTimer) {
    desktop_.DeleteFileAt(paths_.ChannelFile(following(table_.current)));
  }
  MakeChannelCurrent(channels_);
  UpdateChannelTips();
  if (trigger_ != RotationTrigger::kPrevious) downloads_.Start(currentChannel_);
  trigger_ = RotationTrigger::kTimer;
}

void TickerWindow::NextChannel() {
  if (table_.count == 0) return;
  trigger_ = RotationTrigger::kNext;
  RotationStep();
}

void TickerWindow::PreviousChannel() {
  if (table_.count == 0) return;
  table_.current = previousIndex_;
  MakeChannelCurrent(channels_);
  trigger_ = RotationTrigger::kPrevious;
  RotationStep();
}

void TickerWindow::SetPreviousIndexFromShown() {
  if (table_.count == 0) {
    previousIndex_ = 0;
  } else {
    previousIndex_ = shownIndex_ <= 0 ? table_.count - 1 : shownIndex_ - 1;
  }
}

int TickerWindow::RenderCurrentChannel() {
  PageRenderRequest request = RequestWithDisplayValues(settings_);
  request.currentChannel = currentChannel_;
  request.pageFile = paths_.pageFile;
  if (const ChannelEntry* current = table_.Current()) request.codePage = current->codePage;
  request.updateNotice = note_.updateNotice;
  return renderer_.Render(request);
}

void TickerWindow::ReloadPage() {
  if (!browserReady_ || !desktop_.PageReady()) return;
  // Reloading may take the activation; give it back to whoever had it, but only if it did.
  rememberedForeground_ = desktop_.ForegroundWindow();
  desktop_.ReloadPage();
  if (desktop_.BarHasKeyboard()) desktop_.ActivateWindow(rememberedForeground_);
}

std::string TickerWindow::NameOr(int index, const char* unset) const {
  if (index < 0 || index >= table_.count || table_.entries[index].name.empty()) return unset;
  return table_.entries[index].name;
}

void TickerWindow::SetChannelTipTitles() {
  desktop_.SetTooltipTitle(ids::IDM_PREV_CHANNEL, NameOr(previousIndex_, texts::kNoPreviousName));
  desktop_.SetTooltipTitle(ids::IDM_NEXT_CHANNEL, NameOr(table_.current, texts::kNoNextName));
}

void TickerWindow::UpdateChannelTips() {
  if (!tipsReady_) return;
  const std::string text = NameOr(shownIndex_, texts::kNoShownName);
  SetChannelTipTitles();
  desktop_.UpdateTooltipText(ids::IDM_PREV_CHANNEL, text);
  desktop_.UpdateTooltipText(ids::IDM_NEXT_CHANNEL, text);
}

}  // namespace vb
