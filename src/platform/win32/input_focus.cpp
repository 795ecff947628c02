#include <windows.h>

#include "platform/win32/win32_desktop.h"

namespace vb::win32 {
namespace {

HWND ToWindow(WindowRef window) {
  return reinterpret_cast<HWND>(window);
}

WindowRef ToRef(HWND window) {
  return reinterpret_cast<WindowRef>(window);
}

}  // namespace

Point Win32Desktop::CursorPosition() const {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

void Win32Desktop::SetCursorPosition(Point at) {
  SetCursorPos(at.x, at.y);
}

WindowRef Win32Desktop::WindowAt(Point at) const {
  return ToRef(WindowFromPoint({at.x, at.y}));
}

bool Win32Desktop::IsOnPage(WindowRef window) const {
  return browserHost_ != nullptr && window != 0 && IsChild(browserHost_, ToWindow(window));
}

WindowRef Win32Desktop::ForegroundWindow() const {
  return ToRef(GetForegroundWindow());
}

void Win32Desktop::ActivateWindow(WindowRef window) {
  SetActiveWindow(ToWindow(window));
}

// Sharing the foreground thread's input state lets the page take the focus while the
// foreground stays where it is.
bool Win32Desktop::LendKeyboardToPage(WindowRef foreground, WindowRef pageWindow) {
  const DWORD other = GetWindowThreadProcessId(ToWindow(foreground), nullptr);
  if (other == 0 || AttachThreadInput(GetCurrentThreadId(), other, TRUE) == FALSE) return false;
  SetFocus(ToWindow(pageWindow));
  return true;
}

void Win32Desktop::EndKeyboardLoan(WindowRef foreground) {
  const DWORD other = GetWindowThreadProcessId(ToWindow(foreground), nullptr);
  if (other != 0) AttachThreadInput(GetCurrentThreadId(), other, FALSE);
}

// The focus of the foreground thread is where keys go, whichever thread asks.
bool Win32Desktop::BarHasKeyboard() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (bar_ == nullptr || !GetGUIThreadInfo(0, &info) || info.hwndFocus == nullptr) return false;
  return info.hwndFocus == bar_ || IsChild(bar_, info.hwndFocus);
}

}  // namespace vb::win32
