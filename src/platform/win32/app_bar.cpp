#include <windows.h>
// The other system headers build on windows.h.
#include <shellapi.h>

#include "platform/win32/win32_desktop.h"

namespace vb::win32 {

LRESULT Win32Desktop::AppBarMessage(DWORD message, int edge, AppBarStrip* strip) {
  appBar_.cbSize = sizeof appBar_;
  appBar_.hWnd = bar_;
  appBar_.uCallbackMessage = kAppBarCallbackMessage;
  appBar_.lParam = 0;
  appBar_.uEdge = static_cast<UINT>(edge);
  if (strip != nullptr) appBar_.rc = {strip->left, strip->top, strip->right, strip->bottom};
  const UINT_PTR result = SHAppBarMessage(message, &appBar_);
  if (strip != nullptr) {
    *strip = {appBar_.rc.left, appBar_.rc.top, appBar_.rc.right, appBar_.rc.bottom};
  }
  return static_cast<LRESULT>(result);
}

bool Win32Desktop::RegisterAppBar() {
  return AppBarMessage(ABM_NEW, static_cast<int>(appBar_.uEdge), nullptr) != 0;
}

void Win32Desktop::UnregisterAppBar() {
  AppBarMessage(ABM_REMOVE, static_cast<int>(appBar_.uEdge), nullptr);
}

void Win32Desktop::QueryAppBarPosition(int edge, AppBarStrip& strip) {
  AppBarMessage(ABM_QUERYPOS, edge, &strip);
}

void Win32Desktop::SetAppBarPosition(int edge, AppBarStrip& strip) {
  AppBarMessage(ABM_SETPOS, edge, &strip);
}

unsigned Win32Desktop::AppBarState() {
  return static_cast<unsigned>(
      AppBarMessage(ABM_GETSTATE, static_cast<int>(appBar_.uEdge), nullptr));
}

void Win32Desktop::AppBarActivated() {
  AppBarMessage(ABM_ACTIVATE, static_cast<int>(appBar_.uEdge), nullptr);
}

void Win32Desktop::AppBarPositionChanged() {
  AppBarMessage(ABM_WINDOWPOSCHANGED, static_cast<int>(appBar_.uEdge), nullptr);
}

}  // namespace vb::win32
