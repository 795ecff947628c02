#include "ticker/ticker_window.h"

#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/text_936.h"
#include "ticker/texts.h"
#include "ticker/timer_ids.h"

namespace vb {

TickerWindow::TickerWindow(const TickerParts& parts, DataPaths paths, WindowRef foregroundAtStart)
    : desktop_(parts.desktop),
      autostart_(parts.autostart),
      downloads_(parts.downloads),
      paths_(std::move(paths)),
      store_(paths_.settingsFile),
      channels_{store_, paths_, table_, currentChannel_},
      noteTarget_(MakeNoteTarget(paths_.noteFile)),
      dock_(desktop_.appBar, desktop_.bar, settings_),
      focus_(desktop_.pointer, desktop_.page, desktop_.keyboard, foregroundAtStart),
      rotation_({settings_, channels_, note_, parts.renderer, downloads_, desktop_.timers,
                 desktop_.system, focus_, desktop_.tips}),
      dialogs_(desktop_.dialogs,
               {settings_, channels_, autostart_, *this, desktop_.system.SettingsCopySuggestion()}),
      transparency_(desktop_.bar, settings_, store_, rotation_, dialogs_),
      commands_({desktop_, settings_, store_, dock_, rotation_, transparency_, dialogs_, *this}) {}

void TickerWindow::OnTimer(int timerId) {
  switch (timerId) {
    case kTrimTimer:
      desktop_.system.TrimMemory();
      break;
    case kRotationTimer:
      rotation_.Step();
      break;
    case kHoverTimer:
      focus_.HoverTick();
      break;
    case kNoteTimer:
      CheckUpdateNote(note_, noteTarget_, downloads_);
      break;
    default:
      break;
  }
}

void TickerWindow::OnCommand(int commandId) {
  if (commandId == ids::IDM_EXIT) return OnClose();
  if (commandId == ids::IDM_UNINSTALL) return Uninstall();
  commands_.Run(commandId);
}

void TickerWindow::OnIconPressed(int controlId, IconPress press) {
  commands_.OnIconPressed(controlId, press);
}

void TickerWindow::OnTrayIconPressed(PointerButton button) {
  commands_.OnTrayIconPressed(button);
}

void TickerWindow::OnTaskbarCreated() {
  AddTrayIcon();
}

void TickerWindow::AddTrayIcon() {
  desktop_.tray.AddTrayIcon(ids::IDI_BROADCAST, Utf8To936(res::text::kTrayTip));
}

void TickerWindow::OnAppBarNotice(AppBarNotice notice, bool taskbarOnTop) {
  // The screen may have changed size (a new resolution, a monitor swapped): fit the strip to
  // the screen of now, not to the one measured at start-up.
  if (notice == AppBarNotice::kPositionChanged) {
    const Size screen = desktop_.system.ScreenSize();
    dock_.SetScreen({0, 0, screen.width, screen.height});
  }
  dock_.HandleNotice(notice, taskbarOnTop);
}

void TickerWindow::Uninstall() {
  const Answer answer =
      desktop_.dialogs.AskOkCancel(texts::kUninstallQuestion, texts::kUninstallCaption);
  if (answer != Answer::kOk) return;
  uninstallRequested_ = true;
  OnClose();
}

void TickerWindow::OnClose() {
  Shutdown();
  desktop_.bar.DestroyBar();
}

void TickerWindow::OnDestroy() {
  Shutdown();
}

void TickerWindow::OnSessionEnd() {
  Shutdown();
}

IconColours TickerWindow::IconControlColours() const {
  return transparency_.IconControlColours();
}

void TickerWindow::SendCommand(int commandId) {
  OnCommand(commandId);
}

void TickerWindow::RequestRotationStep() {
  rotation_.Step();
}

void TickerWindow::RestartRotationTimer() {
  desktop_.timers.SetTimer(kRotationTimer, settings_.RotationPeriodMs());
}

void TickerWindow::ResizeAppBarStrip() {
  dock_.ResizeStrip();
}

void TickerWindow::ResizeAndShowBar() {
  desktop_.page.ResizePage(settings_.barWidth, settings_.BarHeight());
  desktop_.bar.ResizeAndShowBar(settings_.barWidth, settings_.BarHeight());
}

void TickerWindow::Quit() {
  desktop_.system.QuitLoop(0);
}

}  // namespace vb
