#include "ticker/bar_commands.h"

#include "resources/resource_ids.h"
#include "ticker/texts.h"
#include "ticker/timer_ids.h"

namespace vb {

void BarCommands::Run(int commandId) {
  switch (commandId) {
    case ids::IDM_HIDE:
      HideFromTray();
      break;
    case ids::IDM_CONFIG:
      parts_.dialogs.OpenConfig();
      break;
    case ids::IDM_NEXT_CHANNEL:
      parts_.rotation.Next();
      break;
    case ids::IDM_PREV_CHANNEL:
      parts_.rotation.Previous();
      break;
    case ids::IDM_FULL_TRANSPARENT:
      parts_.transparency.MakeFullyTransparent();
      break;
    case ids::IDM_TRANSLUCENT:
      parts_.transparency.MakeTranslucent();
      break;
    case ids::IDM_OPAQUE:
      parts_.transparency.MakeOpaque();
      break;
    case ids::IDM_DOCK_TOP:
      parts_.dock.DockTop();
      break;
    case ids::IDM_DOCK_BOTTOM:
      parts_.dock.DockBottom();
      break;
    case ids::IDM_HELP:
      parts_.dialogs.Open(ids::IDD_HELP, 80, 120);
      break;
    case ids::IDM_BKPIC_USE:
      parts_.dialogs.Open(ids::IDD_BKPIC, 300, 200);
      break;
    case ids::IDM_IMPORT:
      parts_.dialogs.Open(ids::IDD_IMPORT, 300, 200);
      break;
    case ids::IDM_EXPORT:
      parts_.dialogs.Open(ids::IDD_EXPORT, 300, 200);
      break;
    case ids::IDM_UPDATE:
      parts_.desktop.dialogs.OpenAddress(texts::kUpdatePage);
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
void BarCommands::OnIconPressed(int controlId, IconPress press) {
  if (controlId == ids::IDC_MENU_ICON) {
    BroadcastIcon(press);
  } else {
    Run(controlId);
  }
}

void BarCommands::OnTrayIconPressed(PointerButton button) {
  if (button == PointerButton::kSecondary) {
    HideFromTray();
  } else {
    if (parts_.desktop.bar.IsBarVisible()) {
      ShowPopupMenu(0);
    } else {
      ShowFromTray();
    }
  }
}

// Without a notification area nothing could show the bar again: it stays.
void BarCommands::HideFromTray() {
  if (!parts_.desktop.bar.IsBarVisible() || !parts_.desktop.tray.TrayIconShown()) return;
  parts_.desktop.bar.HideBar();
  parts_.dock.CollapseStrip();
  parts_.desktop.timers.KillTimer(kHoverTimer);
  parts_.desktop.timers.KillTimer(kRotationTimer);
}

void BarCommands::ShowFromTray() {
  parts_.dock.RestoreStrip();
  parts_.desktop.bar.ShowBar();
  parts_.desktop.timers.SetTimer(kHoverTimer, kHoverPeriodMs);
  parts_.desktop.timers.SetTimer(kRotationTimer, parts_.settings.RotationPeriodMs());
}

void BarCommands::ShowPopupMenu(int offset) {
  const Point cursor = parts_.desktop.pointer.CursorPosition();
  const int chosen =
      parts_.desktop.tray.ShowPopupMenu(ids::IDR_MENU, {cursor.x + offset, cursor.y + offset});
  if (chosen != 0) parts_.bar.SendCommand(chosen);
}

void BarCommands::BroadcastIcon(IconPress press) {
  if (press == IconPress::kClick) {
    parts_.desktop.bar.DragBar();
    parts_.dock.UndockAfterDrag();
    ShowPopupMenu(2);
  } else {
    HideFromTray();
  }
}

// The screen of now: its size may have changed since start-up.
void BarCommands::UseFullWidth() {
  SetScreenWidth(parts_.settings, parts_.desktop.system.ScreenSize().width);
  parts_.bar.ResizeAndShowBar();
  WriteSettingKeys(parts_.store, parts_.settings, {SettingKey::kWidth});
}

void BarCommands::RemoveBackgroundPicture() {
  parts_.settings.bkPic.clear();
  parts_.rotation.Step();
  WriteSettingKeys(parts_.store, parts_.settings, {SettingKey::kBkPic});
}

}  // namespace vb
