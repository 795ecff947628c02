#include "ticker/ticker_window.h"

#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "ticker/texts.h"
#include "ticker/timer_ids.h"

namespace vb {

TickerWindow::TickerWindow(const TickerParts& parts, DataPaths paths, WindowRef foregroundAtStart)
    : desktop_(parts.desktop),
      autostart_(parts.autostart),
      downloads_(parts.downloads),
      renderer_(parts.renderer),
      paths_(std::move(paths)),
      store_(paths_.settingsFile),
      channels_{store_, paths_, table_, currentChannel_},
      dialogContext_{settings_, channels_, autostart_, *this, {}},
      noteTarget_(MakeNoteTarget(paths_.noteFile)),
      dock_(desktop_, desktop_, settings_),
      rememberedForeground_(foregroundAtStart) {}

void TickerWindow::OnTimer(int timerId) {
  switch (timerId) {
    case kTrimTimer:
      desktop_.TrimMemory();
      break;
    case kRotationTimer:
      RotationStep();
      break;
    case kHoverTimer:
      HoverTick();
      break;
    case kNoteTimer:
      CheckUpdateNote(note_, noteTarget_, downloads_);
      break;
    default:
      break;
  }
}

void TickerWindow::OnTaskbarCreated() {
  desktop_.AddTrayIcon(ids::IDI_BROADCAST, res::Gbk(res::text::kTrayTip));
}

void TickerWindow::OnAppBarNotice(AppBarNotice notice, bool fullScreenOpened) {
  // The screen may have changed size (a new resolution, a monitor swapped): fit the strip to
  // the screen of now, not to the one measured at start-up.
  if (notice == AppBarNotice::kPositionChanged) {
    const Size screen = desktop_.ScreenSize();
    dock_.SetScreen({0, 0, screen.width, screen.height});
  }
  dock_.HandleNotice(notice, fullScreenOpened);
}

void TickerWindow::OnClose() {
  Shutdown();
  desktop_.DestroyBar();
}

void TickerWindow::OnDestroy() {
  Shutdown();
}

void TickerWindow::OnSessionEnd() {
  Shutdown();
}

IconColours TickerWindow::IconControlColours() const {
  if (Mode() == TransparencyMode::kColourKey) return {kColourKey, 0x00FF00};
  return {0x000000, 0xFFFF00};
}

void TickerWindow::SendCommand(int commandId) {
  OnCommand(commandId);
}

void TickerWindow::RequestRotationStep() {
  RotationStep();
}

void TickerWindow::RestartRotationTimer() {
  desktop_.SetTimer(kRotationTimer, settings_.RotationPeriodMs());
}

void TickerWindow::ResizeAppBarStrip() {
  dock_.ResizeStrip();
}

void TickerWindow::ResizeAndShowBar() {
  desktop_.ResizePage(settings_.barWidth, settings_.BarHeight());
  desktop_.ResizeAndShowBar(settings_.barWidth, settings_.BarHeight());
}

void TickerWindow::Quit() {
  desktop_.QuitLoop(0);
}

}  // namespace vb
