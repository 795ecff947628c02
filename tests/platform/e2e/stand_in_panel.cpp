// A stand-in for a desktop's panel: a dock window across one screen edge that reserves its
// strip with _NET_WM_STRUT_PARTIAL, as taskbars and panels do. Each SIGUSR1 gives it the next
// thickness of its list (after the last, the first again), as a panel that is resized or hides
// itself: 0 leaves a one-pixel line that reserves nothing. Runs until it is killed.
//
//   stand_in_panel top|bottom THICKNESS [THICKNESS...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

volatile std::sig_atomic_t resizes = 0;

void Place(Display* display, Window panel, bool top, int thickness) {
  const int screen = DefaultScreen(display);
  const int width = DisplayWidth(display, screen), height = DisplayHeight(display, screen);
  const int shown = thickness > 0 ? thickness : 1;
  XMoveResizeWindow(display, panel, 0, top ? 0 : height - shown, width, shown);
  long strut[12] = {};
  if (thickness > 0) {
    strut[top ? 2 : 3] = thickness;
    strut[top ? 9 : 11] = width - 1;
  }
  XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL,
                  32, PropModeReplace, reinterpret_cast<unsigned char*>(strut), 12);
  XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(strut), 4);
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s top|bottom THICKNESS [THICKNESS...]\n", argv[0]);
    return 2;
  }
  const bool top = std::strcmp(argv[1], "top") == 0;
  std::vector<int> thicknesses;
  for (int i = 2; i < argc; ++i) thicknesses.push_back(std::atoi(argv[i]));
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr || thicknesses[0] <= 0) return 1;
  const int screen = DefaultScreen(display);
  Window panel =
      XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 1, 1, 0, 0, 0x3050a0);
  XStoreName(display, panel, "stand-in panel");
  Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
  XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(&dock), 1);
  Place(display, panel, top, thicknesses[0]);
  XMapWindow(display, panel);
  XFlush(display);
  std::signal(SIGUSR1, [](int) { resizes = resizes + 1; });
  std::size_t next = 0;
  for (int seen = 0;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
    }
    if (seen != resizes) {
      seen = resizes;
      next = (next + 1) % thicknesses.size();
      Place(display, panel, top, thicknesses[next]);
    }
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, 50);
  }
}
