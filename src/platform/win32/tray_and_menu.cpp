#include <windows.h>

#include <cwchar>

#include "platform/win32/code_page.h"
#include "platform/win32/win32_desktop.h"

namespace vb::win32 {

void Win32Desktop::AddTrayIcon(int iconResourceId, std::string_view tip) {
  trayIcon_ = {};
  trayIcon_.cbSize = NOTIFYICONDATAW_V1_SIZE;
  trayIcon_.hWnd = bar_;
  trayIcon_.uID = 0;
  trayIcon_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  trayIcon_.uCallbackMessage = kTrayCallbackMessage;
  trayIcon_.hIcon = static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(iconResourceId), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  const std::wstring wideTip = WideFrom936(tip);
  std::wcsncpy(trayIcon_.szTip, wideTip.c_str(), 63);
  trayIcon_.szTip[63] = L'\0';
  Shell_NotifyIconW(NIM_ADD, &trayIcon_);
}

void Win32Desktop::RemoveTrayIcon() {
  NOTIFYICONDATAW removal{};
  removal.cbSize = NOTIFYICONDATAW_V1_SIZE;
  removal.hWnd = bar_;
  removal.uID = 0;
  Shell_NotifyIconW(NIM_DELETE, &removal);
}

int Win32Desktop::ShowPopupMenu(int menuResourceId, Point at) {
  const HMENU menu = LoadMenuW(instance_, MAKEINTRESOURCEW(menuResourceId));
  if (menu == nullptr) return 0;
  // The bar must be foreground or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(bar_);
  const BOOL chosen =
      TrackPopupMenuEx(GetSubMenu(menu, 0), TPM_RIGHTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x,
                       at.y, bar_, nullptr);
  PostMessageW(bar_, WM_NULL, 0, 0);
  DestroyMenu(menu);
  return static_cast<int>(chosen);
}

}  // namespace vb::win32
