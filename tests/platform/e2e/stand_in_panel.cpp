// A stand-in for a desktop's panel: a dock window across one screen edge that reserves its
// strip with _NET_WM_STRUT_PARTIAL, as taskbars and panels do. Runs until it is killed.
//
//   stand_in_panel top|bottom THICKNESS
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s top|bottom THICKNESS\n", argv[0]);
    return 2;
  }
  const bool top = std::strcmp(argv[1], "top") == 0;
  const int thickness = std::atoi(argv[2]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr || thickness <= 0) return 1;
  const int screen = DefaultScreen(display);
  const int width = DisplayWidth(display, screen), height = DisplayHeight(display, screen);
  const int y = top ? 0 : height - thickness;
  Window panel = XCreateSimpleWindow(display, RootWindow(display, screen), 0, y, width, thickness,
                                     0, 0, 0x3050a0);
  XStoreName(display, panel, "stand-in panel");
  Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
  XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(&dock), 1);
  long strut[12] = {};
  strut[top ? 2 : 3] = thickness;
  strut[top ? 9 : 11] = width - 1;
  XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL,
                  32, PropModeReplace, reinterpret_cast<unsigned char*>(strut), 12);
  XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(strut), 4);
  XMapWindow(display, panel);
  XFlush(display);
  for (XEvent event;;) XNextEvent(display, &event);
}
