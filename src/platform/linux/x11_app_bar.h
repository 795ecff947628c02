#pragma once

#include <gdk/gdk.h>

#include <array>
#include <functional>
#include <vector>

#include "platform/linux/strut.h"
#include "platform/linux/x11_windows.h"
#include "ticker/desktop.h"

namespace vb {

// The shell's app-bar part on X, played against the docks and panels already there: a strip
// goes beside them, the bar reserves its own with a strut, and a watch on the root window says
// when the others come, go or change. Sizes are desktop pixels; struts are device pixels.
class X11AppBar {
 public:
  explicit X11AppBar(std::function<void()> onPanelsMoved)
      : onPanelsMoved_(std::move(onPanelsMoved)) {}
  ~X11AppBar() { Detach(); }
  X11AppBar(const X11AppBar&) = delete;
  X11AppBar& operator=(const X11AppBar&) = delete;

  // The bar's window, watched from now on; Detach forgets it.
  void Attach(x11::XWindow bar);
  void Detach();

  bool Register();
  void Unregister();
  bool Registered() const { return registered_; }

  // Moves `strip` off the others' struts and what the window manager keeps free, within a
  // screen of `screen` desktop pixels, `scale` device pixels each.
  void Query(DockEdge edge, AppBarStrip& strip, Size screen, int scale) const;
  // The same, then reserves the strip at a top or bottom edge; any other edge reserves nothing.
  void Set(DockEdge edge, AppBarStrip& strip, Size screen, int scale);

 private:
  static GdkFilterReturn OnXEvent(GdkXEvent* xevent, GdkEvent* event, gpointer self);
  static gboolean CheckPanels(gpointer self);
  std::vector<std::array<long, 12>> OtherStruts() const;
  // Takes in what the window manager keeps free beyond the struts; true when that changed.
  bool RelearnReserved();
  void SetOwnStrut(const std::array<long, 12>& strut);

  std::function<void()> onPanelsMoved_;
  x11::XWindow bar_ = 0;
  bool registered_ = false;
  guint panelCheck_ = 0;
  std::vector<std::array<long, 12>> panels_;  // the other struts the strip was last fitted to
  std::array<long, 12> ownStrut_{};
  EdgeInsets reserved_;  // kept free by the window manager beyond all struts, device pixels
};

}  // namespace vb
