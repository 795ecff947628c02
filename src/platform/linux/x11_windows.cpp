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

// This process's own windows, such as GDK's hidden leader window that carries the program's
// name, are not another instance.
bool IsOwnWindow(Display* display, Window window) {
  Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  bool own = false;
  if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    own = format == 32 && count == 1 &&
          *reinterpret_cast<unsigned long*>(data) == static_cast<unsigned long>(getpid());
    XFree(data);
  }
  return own;
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

XWindow FocusedWindow() {
  Display* display = GdkDisplayConnection();
  if (display == nullptr) return None;
  ErrorTrap trap;
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  return focus == PointerRoot ? None : focus;
}

void SetInputFocus(XWindow window) {
  Display* display = GdkDisplayConnection();
  if (display == nullptr || window == None) return;
  ErrorTrap trap;
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  XFlush(display);
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
  if (std::all_of(strut.begin(), strut.end(), [](long v) { return v == 0; })) {
    XDeleteProperty(display, window, partial);
    XDeleteProperty(display, window, simple);
  } else {
    XChangeProperty(display, window, partial, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(strut.data()), 12);
    XChangeProperty(display, window, simple, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(strut.data()), 4);
  }
  XFlush(display);
}

}  // namespace vb::x11
