#pragma once

#include <array>
#include <string_view>
#include <vector>

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

// The X screen's size in pixels; 0 x 0 without a display.
void ScreenPixels(int& width, int& height);

// _NET_WM_STRUT_PARTIAL and _NET_WM_STRUT on `window`. All zero is written too: some window
// managers keep the last strut they saw when the property is deleted.
void SetStrut(XWindow window, const std::array<long, 12>& strut);

// The struts of the shown windows other than `except`, as _NET_WM_STRUT_PARTIAL values; a
// plain _NET_WM_STRUT spans the whole edge.
std::vector<std::array<long, 12>> StrutsExcept(XWindow except);

// The current desktop's work area (_NET_WORKAREA) in pixels; false without one.
bool WorkArea(long& x, long& y, long& width, long& height);

// Asks for the root window's property changes and its children's mapping, so that panels that
// come and go are noticed.
void WatchRoot();

// Asks for the property changes of the docks and of the windows with a strut, other than
// `except`, so that a panel that changes its strut is noticed; again after windows come.
void WatchPanels(XWindow except);

// Whether an X event (an XEvent) may mean that the docks and panels changed: a window mapped,
// unmapped or gone at the root, the work area or the client list changed, or a watched
// window's strut changed.
bool MayMovePanels(const void* xevent);

}  // namespace vb::x11
