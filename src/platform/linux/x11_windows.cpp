#include "platform/linux/x11_windows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <gdk/gdkx.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace vb::x11 {
namespace {

// Pushes an X error trap for the lifetime of one call.
class ErrorTrap {
 public:
  ErrorTrap() : display_(gdk_display_get_default()) {
    if (display_ != nullptr) gdk_x11_display_error_trap_push(display_);
  }
  ~ErrorTrap() {
    if (display_ != nullptr) gdk_x11_display_error_trap_pop_ignored(display_);
  }
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

 private:
  GdkDisplay* display_;
};

std::string TitleOf(Display* display, Window window) {
  std::string title;
  Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, netName, 0, 256, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    if (format == 8) title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  }
  if (!title.empty()) return title;
  char* name = nullptr;
  if (XFetchName(display, window, &name) != 0 && name != nullptr) {
    title = name;
    XFree(name);
  }
  return title;
}

// Up to `limit` 32-bit values of a CARDINAL property; how many were read.
unsigned long ReadCardinals(Display* display, Window window, const char* name, long* values,
                            unsigned long limit) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, limit, False,
                         XA_CARDINAL, &type, &format, &count, &after, &data) != Success ||
      data == nullptr) {
    return 0;
  }
  if (format != 32) count = 0;
  // Xlib hands 32-bit properties over as longs.
  for (unsigned long i = 0; i < count && i < limit; ++i) {
    values[i] = reinterpret_cast<long*>(data)[i];
  }
  XFree(data);
  return std::min(count, limit);
}

// This process's own windows, such as GDK's hidden leader window that carries the program's
// name, are not another instance.
bool IsOwnWindow(Display* display, Window window) {
  long pid = 0;
  return ReadCardinals(display, window, "_NET_WM_PID", &pid, 1) == 1 &&
         static_cast<unsigned long>(pid) == static_cast<unsigned long>(getpid());
}

// Client windows sit at most two levels below the root (inside a frame, or a frame's wrapper).
bool TitledBelow(Display* display, Window parent, std::string_view title, int depth) {
  Window root = 0, parentOut = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0) return false;
  bool found = false;
  for (unsigned i = 0; i < count && !found; ++i) {
    found = (TitleOf(display, children[i]) == title && !IsOwnWindow(display, children[i])) ||
            (depth > 1 && TitledBelow(display, children[i], title, depth - 1));
  }
  if (children != nullptr) XFree(children);
  return found;
}

std::vector<Window> WindowList(Display* display, Window root, const char* name) {
  std::vector<Window> windows;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, root, XInternAtom(display, name, False), 0, 4096, False,
                         XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
      data != nullptr) {
    if (format == 32) {
      const auto* ids = reinterpret_cast<const Window*>(data);
      windows.assign(ids, ids + count);
    }
    XFree(data);
  }
  return windows;
}

Display* GdkDisplayConnection() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return nullptr;
  return gdk_x11_display_get_xdisplay(display);
}

}  // namespace

bool TopLevelTitledExists(std::string_view title) {
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return false;
  ErrorTrap trap;
  return TitledBelow(display, DefaultRootWindow(display), title, 3);
}

XWindow WindowAt(int x, int y) {
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return None;
  ErrorTrap trap;
  Window root = DefaultRootWindow(display);
  Window current = root;
  for (int depth = 0; depth < 32; ++depth) {
    int localX = 0, localY = 0;
    Window child = None;
    if (!XTranslateCoordinates(display, root, current, x, y, &localX, &localY, &child) ||
        child == None) {
      break;
    }
    current = child;
  }
  return current;
}

bool IsDescendantOf(XWindow window, XWindow ancestor) {
  Display* display = GdkDisplayConnection();
  if (display == nullptr || window == None || ancestor == None) return false;
  ErrorTrap trap;
  for (int depth = 0; depth < 64 && window != None; ++depth) {
    if (window == ancestor) return true;
    Window root = 0, parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return false;
    if (children != nullptr) XFree(children);
    if (window == root) return false;
    window = parent;
  }
  return false;
}

void ScreenPixels(int& width, int& height) {
  width = height = 0;
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return;
  width = DisplayWidth(display, DefaultScreen(display));
  height = DisplayHeight(display, DefaultScreen(display));
}

void SetStrut(XWindow window, const std::array<long, 12>& strut) {
  Display* display = GdkDisplayConnection();
  if (display == nullptr || window == None) return;
  ErrorTrap trap;
  Atom partial = XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False);
  Atom simple = XInternAtom(display, "_NET_WM_STRUT", False);
  XChangeProperty(display, window, partial, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(strut.data()), 12);
  XChangeProperty(display, window, simple, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(strut.data()), 4);
  XFlush(display);
}

namespace {

// The windows that may be panels: managed windows are in the client list; without a window
// manager they are the root's children; a window manager's own panel may sit unlisted inside a
// frame or two of its own.
std::vector<Window> PanelCandidates(Display* display, XWindow except) {
  Window root = DefaultRootWindow(display);
  const std::vector<Window> listed = WindowList(display, root, "_NET_CLIENT_LIST");
  std::vector<Window> windows = listed;
  std::vector<Window> level{root};
  for (int depth = 0; depth < 3 && !level.empty(); ++depth) {
    std::vector<Window> below;
    for (Window parent : level) {
      // A listed client's own children are its business.
      if (std::find(listed.begin(), listed.end(), parent) != listed.end()) continue;
      Window rootOut = 0, parentOut = 0;
      Window* children = nullptr;
      unsigned count = 0;
      if (XQueryTree(display, parent, &rootOut, &parentOut, &children, &count) == 0) continue;
      below.insert(below.end(), children, children + count);
      if (children != nullptr) XFree(children);
    }
    windows.insert(windows.end(), below.begin(), below.end());
    level = std::move(below);
  }
  std::sort(windows.begin(), windows.end());
  windows.erase(std::unique(windows.begin(), windows.end()), windows.end());
  windows.erase(std::remove(windows.begin(), windows.end(), except), windows.end());
  return windows;
}

// A window's strut as _NET_WM_STRUT_PARTIAL values; false when it has none.
bool StrutOf(Display* display, Window window, std::array<long, 12>& strut) {
  strut = {};
  if (ReadCardinals(display, window, "_NET_WM_STRUT_PARTIAL", strut.data(), 12) == 12) return true;
  if (ReadCardinals(display, window, "_NET_WM_STRUT", strut.data(), 4) != 4) return false;
  strut[9] = strut[11] = DisplayWidth(display, DefaultScreen(display)) - 1;
  return true;
}

bool IsDock(Display* display, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  bool dock = false;
  if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), 0, 16,
                         False, XA_ATOM, &type, &format, &count, &after, &data) == Success &&
      data != nullptr) {
    const Atom wanted = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    dock = format == 32 && std::find(atoms, atoms + count, wanted) != atoms + count;
    XFree(data);
  }
  return dock;
}

}  // namespace

std::vector<std::array<long, 12>> StrutsExcept(XWindow except) {
  std::vector<std::array<long, 12>> struts;
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return struts;
  ErrorTrap trap;
  for (Window window : PanelCandidates(display, except)) {
    XWindowAttributes attributes{};
    std::array<long, 12> strut{};
    if (XGetWindowAttributes(display, window, &attributes) != 0 &&
        attributes.map_state == IsViewable && StrutOf(display, window, strut)) {
      struts.push_back(strut);
    }
  }
  return struts;
}

void WatchPanels(XWindow except) {
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return;
  ErrorTrap trap;
  for (Window window : PanelCandidates(display, except)) {
    std::array<long, 12> strut{};
    if (!IsDock(display, window) && !StrutOf(display, window, strut)) continue;
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0) continue;
    // This program's own mask on the window stays as it was.
    if ((attributes.your_event_mask & PropertyChangeMask) == 0) {
      XSelectInput(display, window, attributes.your_event_mask | PropertyChangeMask);
    }
  }
  XFlush(display);
}

bool WorkArea(long& x, long& y, long& width, long& height) {
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return false;
  ErrorTrap trap;
  Window root = DefaultRootWindow(display);
  long desktop = 0;
  ReadCardinals(display, root, "_NET_CURRENT_DESKTOP", &desktop, 1);
  if (desktop < 0 || desktop > 63) desktop = 0;
  long areas[64 * 4] = {};
  const unsigned long count = ReadCardinals(display, root, "_NET_WORKAREA", areas, 64 * 4);
  const unsigned long first = static_cast<unsigned long>(desktop) * 4;
  if (count < first + 4) return false;
  x = areas[first];
  y = areas[first + 1];
  width = areas[first + 2];
  height = areas[first + 3];
  return true;
}

void WatchRoot() {
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return;
  ErrorTrap trap;
  Window root = DefaultRootWindow(display);
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, root, &attributes);
  XSelectInput(display, root,
               attributes.your_event_mask | PropertyChangeMask | SubstructureNotifyMask);
  XFlush(display);
}

bool MayMovePanels(const void* xevent) {
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return false;
  const auto* event = static_cast<const XEvent*>(xevent);
  Window root = DefaultRootWindow(display);
  switch (event->type) {
    case MapNotify:
      return event->xmap.event == root;
    case UnmapNotify:
      return event->xunmap.event == root;
    case DestroyNotify:
      return event->xdestroywindow.event == root;
    case PropertyNotify:
      if (event->xproperty.window != root) {
        return event->xproperty.atom == XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False) ||
               event->xproperty.atom == XInternAtom(display, "_NET_WM_STRUT", False);
      }
      return event->xproperty.atom == XInternAtom(display, "_NET_WORKAREA", False) ||
             event->xproperty.atom == XInternAtom(display, "_NET_CLIENT_LIST", False);
    default:
      return false;
  }
}

}  // namespace vb::x11
