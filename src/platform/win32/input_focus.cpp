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

bool Win32Desktop::IsInsideBrowser(WindowRef window) const {
  return browserHost_ != nullptr && window != 0 && IsChild(browserHost_, ToWindow(window));
}

void Win32Desktop::FocusWindow(WindowRef window) {
  SetFocus(ToWindow(window));
}

WindowRef Win32Desktop::ForegroundWindow() const {
  return ToRef(GetForegroundWindow());
}

void Win32Desktop::ActivateWindow(WindowRef window) {
  SetActiveWindow(ToWindow(window));
}

bool Win32Desktop::AttachInputTo(WindowRef window) {
  const DWORD other = GetWindowThreadProcessId(ToWindow(window), nullptr);
  return other != 0 && AttachThreadInput(GetCurrentThreadId(), other, TRUE) != FALSE;
}

void Win32Desktop::DetachInputFrom(WindowRef window) {
  const DWORD other = GetWindowThreadProcessId(ToWindow(window), nullptr);
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
