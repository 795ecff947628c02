#include "dialogs/dialog_factory.h"
#include "resources/resource_ids.h"
#include "ticker/texts.h"
#include "ticker/ticker_window.h"
#include "ticker/timer_ids.h"

namespace vb {

void TickerWindow::OnCommand(int commandId) {
  switch (commandId) {
    case ids::IDM_HIDE:
      HideFromTray();
      break;
    case ids::IDM_CONFIG:
      OpenConfigDialog();
      break;
    case ids::IDM_EXIT:
      OnClose();
      break;
    case ids::IDM_NEXT_CHANNEL:
      NextChannel();
      break;
    case ids::IDM_PREV_CHANNEL:
      PreviousChannel();
      break;
    case ids::IDM_FULL_TRANSPARENT:
      MakeFullyTransparent();
      break;
    case ids::IDM_TRANSLUCENT:
      MakeTranslucent();
      break;
    case ids::IDM_OPAQUE:
      MakeOpaque();
      break;
    case ids::IDM_UNINSTALL:
      Uninstall();
      break;
    case ids::IDM_DOCK_TOP:
      dock_.DockTop();
      break;
    case ids::IDM_DOCK_BOTTOM:
      dock_.DockBottom();
      break;
    case ids::IDM_HELP:
      OpenDialog(ids::IDD_HELP, 80, 120);
      break;
    case ids::IDM_BKPIC_USE:
      OpenDialog(ids::IDD_BKPIC, 300, 200);
      break;
    case ids::IDM_IMPORT:
      OpenDialog(ids::IDD_IMPORT, 300, 200);
      break;
    case ids::IDM_EXPORT:
      OpenDialog(ids::IDD_EXPORT, 300, 200);
      break;
    case ids::IDM_UPDATE:
      desktop_.OpenAddress(texts::kUpdatePage);
      break;
    case ids::IDM_BKPIC_NONE:
      RemoveBackgroundPicture();
      break;
    case ids::IDM_FULL_WIDTH:
      UseFullWidth();
      break;
    default:
      break;
  }
}

// The channel icons run their commands on any press.
void TickerWindow::OnIconPressed(int controlId, IconPress press) {
  if (controlId == ids::IDC_MENU_ICON) {
    BroadcastIcon(press);
  } else {
    OnCommand(controlId);
  }
}

void TickerWindow::OnTrayIconPressed(PointerButton button) {
  if (button == PointerButton::kSecondary) {
    HideFromTray();
  } else {
    if (desktop_.IsBarVisible()) {
      ShowPopupMenu(0);
    } else {
      ShowFromTray();
    }
  }
}

// Without a notification area nothing could show the bar again: it stays.
void TickerWindow::HideFromTray() {
  if (!desktop_.IsBarVisible() || !desktop_.TrayIconShown()) return;
  desktop_.HideBar();
  dock_.CollapseStrip();
  desktop_.KillTimer(kHoverTimer);
  desktop_.KillTimer(kRotationTimer);
}

void TickerWindow::ShowFromTray() {
  dock_.RestoreStrip();
  desktop_.ShowBar();
  desktop_.SetTimer(kHoverTimer, kHoverPeriodMs);
  desktop_.SetTimer(kRotationTimer, settings_.RotationPeriodMs());
}

void TickerWindow::ShowPopupMenu(int offset) {
  desktop_.BringBarToForeground();
  const Point cursor = desktop_.CursorPosition();
  const int chosen = desktop_.ShowPopupMenu(ids::IDR_MENU, {cursor.x + offset, cursor.y + offset});
  if (chosen != 0) OnCommand(chosen);
}

void TickerWindow::BroadcastIcon(IconPress press) {
  if (press == IconPress::kClick) {
    desktop_.BringBarToForeground();
    desktop_.DragBar();
    dock_.UndockAfterDrag();
    ShowPopupMenu(2);
  } else {
    HideFromTray();
  }
}

void TickerWindow::OpenConfigDialog() {
  if (configDialog_ != nullptr) return;
  configDialog_ = desktop_.OpenDialog(ids::IDD_CONFIG, 100, 100, [this](DialogView& view) {
    return CreateDialog(ids::IDD_CONFIG, view, dialogContext_, [this] { configDialog_ = nullptr; });
  });
}

void TickerWindow::OpenDialog(int resourceId, int x, int y) {
  desktop_.OpenDialog(resourceId, x, y, [this, resourceId](DialogView& view) {
    return CreateDialog(resourceId, view, dialogContext_);
  });
}

void TickerWindow::Uninstall() {
  if (desktop_.AskOkCancel(texts::kUninstallQuestion, texts::kUninstallCaption) != Answer::kOk) {
    return;
  }
  uninstallRequested_ = true;
  OnClose();
}

// The screen of now: its size may have changed since start-up.
void TickerWindow::UseFullWidth() {
  SetScreenWidth(settings_, desktop_.ScreenSize().width);
  ResizeAndShowBar();
  WriteSettingKeys(store_, settings_, {SettingKey::kWidth});
}

void TickerWindow::RemoveBackgroundPicture() {
  settings_.bkPic.clear();
  RotationStep();
  WriteSettingKeys(store_, settings_, {SettingKey::kBkPic});
}

}  // namespace vb
