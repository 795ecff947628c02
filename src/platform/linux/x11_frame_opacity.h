#pragma once

#include <gdk/gdk.h>

#include <optional>

#include "platform/linux/x11_windows.h"

namespace vb {

// The bar's opacity where the compositor reads it. A compositor takes a window's opacity from
// the top-level window it draws, which under a reparenting window manager is the frame around
// the bar: some window managers copy the bar's own value there, others (fluxbox) put their own.
// This keeps the bar's value on the frame too, through reparenting and the window manager's
// own writes, and gives the frame its own value back when the bar is opaque again.
class FrameOpacity {
 public:
  explicit FrameOpacity(x11::XWindow bar);
  ~FrameOpacity();
  FrameOpacity(const FrameOpacity&) = delete;
  FrameOpacity& operator=(const FrameOpacity&) = delete;

  // 0 (clear) to 1 (opaque).
  void Set(double opacity);

 private:
  static GdkFilterReturn OnXEvent(GdkXEvent* xevent, GdkEvent* event, gpointer self);
  void Apply();
  void GiveBack();

  x11::XWindow bar_;
  x11::XWindow frame_ = 0;               // the frame that holds the bar's value, 0 while none does
  std::optional<unsigned long> wanted_;  // none while the bar is opaque
  std::optional<unsigned long> frameOwn_;  // what the window manager had put on frame_
  int overwrites_ = 0;  // the window manager's writes over the bar's value since it was set
};

}  // namespace vb
