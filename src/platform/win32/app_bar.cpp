#include <windows.h>
// The other system headers build on windows.h.
#include <shellapi.h>

#include "platform/win32/win32_desktop.h"

namespace vb::win32 {

namespace {

UINT EdgeOf(DockEdge edge) {
  return edge == DockEdge::kTop ? ABE_TOP : edge == DockEdge::kBottom ? ABE_BOTTOM : ABE_LEFT;
}

}  // namespace

LRESULT Win32Desktop::AppBarMessage(DWORD message, UINT edge, AppBarStrip* strip) {
  appBar_.cbSize = sizeof appBar_;
  appBar_.hWnd = bar_;
  appBar_.uCallbackMessage = kAppBarCallbackMessage;
  appBar_.lParam = 0;
  appBar_.uEdge = edge;
  if (strip != nullptr) appBar_.rc = {strip->left, strip->top, strip->right, strip->bottom};
  const UINT_PTR result = SHAppBarMessage(message, &appBar_);
  if (strip != nullptr) {
    *strip = {appBar_.rc.left, appBar_.rc.top, appBar_.rc.right, appBar_.rc.bottom};
  }
  return static_cast<LRESULT>(result);
}

bool Win32Desktop::RegisterAppBar() {
  appBarRegistered_ = AppBarMessage(ABM_NEW, appBar_.uEdge, nullptr) != 0;
  return appBarRegistered_;
}

void Win32Desktop::UnregisterAppBar() {
  AppBarMessage(ABM_REMOVE, appBar_.uEdge, nullptr);
  appBarRegistered_ = false;
}

void Win32Desktop::QueryAppBarPosition(DockEdge edge, AppBarStrip& strip) {
  AppBarMessage(ABM_QUERYPOS, EdgeOf(edge), &strip);
}

void Win32Desktop::SetAppBarPosition(DockEdge edge, AppBarStrip& strip) {
  AppBarMessage(ABM_SETPOS, EdgeOf(edge), &strip);
}

bool Win32Desktop::TaskbarAlwaysOnTop() {
  return (AppBarMessage(ABM_GETSTATE, appBar_.uEdge, nullptr) & ABS_ALWAYSONTOP) != 0;
}

void Win32Desktop::TellShell(DWORD message) {
  if (appBarRegistered_) AppBarMessage(message, appBar_.uEdge, nullptr);
}

}  // namespace vb::win32
