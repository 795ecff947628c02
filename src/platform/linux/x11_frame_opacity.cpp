#include "platform/linux/x11_frame_opacity.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace vb {
namespace {

constexpr int kMaxOverwrites = 8;

Display* XDisplay() {
  GdkDisplay* display = gdk_display_get_default();
  return display != nullptr && GDK_IS_X11_DISPLAY(display) ? gdk_x11_display_get_xdisplay(display)
                                                           : nullptr;
}

Atom OpacityAtom(Display* display) {
  return XInternAtom(display, "_NET_WM_WINDOW_OPACITY", False);
}

// The window below the root that holds `window`; `window` itself when it is not reparented.
Window TopLevelOf(Display* display, Window window) {
  for (int depth = 0; depth < 16; ++depth) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return None;
    if (children != nullptr) XFree(children);
    if (parent == root || parent == None) return window;
    window = parent;
  }
  return None;
}

std::optional<unsigned long> ReadOpacity(Display* display, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::optional<unsigned long> value;
  if (XGetWindowProperty(display, window, OpacityAtom(display), 0, 1, False, XA_CARDINAL, &type,
                         &format, &count, &after, &data) == Success &&
      data != nullptr) {
    // Xlib hands 32-bit values over as longs, sign-extended.
    if (format == 32 && count == 1) value = *reinterpret_cast<unsigned long*>(data) & 0xffffffffUL;
    XFree(data);
  }
  return value;
}

void WriteOpacity(Display* display, Window window, std::optional<unsigned long> value) {
  if (value) {
    XChangeProperty(display, window, OpacityAtom(display), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&*value), 1);
  } else {
    XDeleteProperty(display, window, OpacityAtom(display));
  }
}

class ErrorTrap {
 public:
  ErrorTrap() { gdk_x11_display_error_trap_push(gdk_display_get_default()); }
  ~ErrorTrap() { gdk_x11_display_error_trap_pop_ignored(gdk_display_get_default()); }
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;
};

}  // namespace

FrameOpacity::FrameOpacity(x11::XWindow bar) : bar_(bar) {
  gdk_window_add_filter(nullptr, &OnXEvent, this);
}

FrameOpacity::~FrameOpacity() {
  gdk_window_remove_filter(nullptr, &OnXEvent, this);
}

void FrameOpacity::Set(double opacity) {
  overwrites_ = 0;
  if (opacity >= 1.0) {
    wanted_.reset();
  } else {
    // As GDK writes the bar's own value.
    wanted_ =
        static_cast<unsigned long>(static_cast<guint32>(0xffffffff * (opacity < 0 ? 0 : opacity)));
  }
  Apply();
}

void FrameOpacity::Apply() {
  Display* display = XDisplay();
  if (display == nullptr || bar_ == 0) return;
  ErrorTrap trap;
  const Window frame = TopLevelOf(display, bar_);
  if (frame != frame_) GiveBack();
  if (!wanted_) {
    GiveBack();
    return;
  }
  if (frame == None || frame == bar_) return;
  if (frame_ == 0) {
    frame_ = frame;
    frameOwn_ = ReadOpacity(display, frame);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, frame, &attributes);
    XSelectInput(display, frame, attributes.your_event_mask | PropertyChangeMask);
  }
  // Window managers keep 8 bits of it; a value that differs below those is the same.
  const std::optional<unsigned long> now = ReadOpacity(display, frame);
  if (!now || (*now >> 24) != (*wanted_ >> 24)) WriteOpacity(display, frame, wanted_);
  XFlush(display);
}

void FrameOpacity::GiveBack() {
  if (frame_ == 0) return;
  Display* display = XDisplay();
  if (display != nullptr) WriteOpacity(display, frame_, frameOwn_);
  frame_ = 0;
  frameOwn_.reset();
}

// A new frame (the window manager started or restarted), or the window manager writing its
// own value over the bar's.
GdkFilterReturn FrameOpacity::OnXEvent(GdkXEvent* xevent, GdkEvent*, gpointer self) {
  auto* opacity = static_cast<FrameOpacity*>(self);
  const auto* event = static_cast<const XEvent*>(xevent);
  if (!opacity->wanted_) return GDK_FILTER_CONTINUE;
  const bool reparented = event->type == ReparentNotify && event->xreparent.window == opacity->bar_;
  const bool overwritten = event->type == PropertyNotify && opacity->frame_ != 0 &&
                           event->xproperty.window == opacity->frame_ &&
                           event->xproperty.atom == OpacityAtom(event->xproperty.display);
  // A window manager that insists on its own value keeps it rather than fight forever.
  if (reparented || (overwritten && ++opacity->overwrites_ <= kMaxOverwrites)) opacity->Apply();
  return GDK_FILTER_CONTINUE;
}

}  // namespace vb
