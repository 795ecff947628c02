#pragma once

#include <array>
#include <string_view>

namespace vb::x11 {

// An X window id (XID) without Xlib's macros, which clash with names of the desktop port.
using XWindow = unsigned long;

// Xlib calls on GDK's own display connection. Each call traps and drops X errors: a window of
// another program may vanish between two calls, and that must not end this one.

// Whether a top-level window of any program (the window manager's frames looked through) has
// this UTF-8 title.
bool TopLevelTitledExists(std::string_view title);

// The innermost window that shows the screen point (x, y).
XWindow WindowAt(int x, int y);
bool IsDescendantOf(XWindow window, XWindow ancestor);

XWindow FocusedWindow();
void SetInputFocus(XWindow window);

// The X screen's size in pixels; 0 x 0 without a display.
void ScreenPixels(int& width, int& height);

// _NET_WM_STRUT_PARTIAL and _NET_WM_STRUT on `window`; all zero removes both.
void SetStrut(XWindow window, const std::array<long, 12>& strut);

}  // namespace vb::x11
