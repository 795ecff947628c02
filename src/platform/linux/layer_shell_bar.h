#pragma once

#include <gtk/gtk.h>

#include <functional>

#include "ticker/desktop.h"

namespace vb {

// The bar as a layer surface, on Wayland compositors that offer the layer shell (wlroots ones
// such as sway, KDE Plasma, Hyprland): docked, it is anchored to its edge and both sides on the
// top layer and reserves its height, so that windows keep clear of it; floating, it is anchored
// to the top left corner of what the panels leave free, at margins that are its position. Its
// positions are the output's pixels.
class LayerShellBar {
 public:
  // Makes `window` a layer surface: before the window is realized.
  LayerShellBar(GtkWindow* window, std::function<void()> onOutputChanged);
  ~LayerShellBar();
  LayerShellBar(const LayerShellBar&) = delete;
  LayerShellBar& operator=(const LayerShellBar&) = delete;

  // The size of the output that the bar is on.
  Size OutputSize() const;

  // The app-bar registration: while registered the bar docks at the edge it is given.
  void Register() { registered_ = true; }
  void Unregister(Point at);
  bool Registered() const { return registered_; }
  // Docks at the top or bottom edge reserving `reserve` pixels (0 while hidden).
  void Dock(DockEdge edge, int reserve);
  // A floating bar goes to `at`; a docked one stays.
  void Move(Point at);
  // Follows the pointer while the first button is held; where the bar was dropped. A bar still
  // registered afterwards docks again.
  Point Drag(Point from);

  // Whether the pointer is over the bar, and where in it.
  bool PointerOnBar(Point& inBar) const;
  void SetOpacity(double opacity);

 private:
  void Float(Point at);
  static void OnPressed(GtkGestureMultiPress* gesture, gint count, gdouble x, gdouble y,
                        gpointer self);
  static void OnMonitorsChanged(GdkDisplay* display, GdkMonitor* monitor, gpointer self);
  static gboolean DockAgain(gpointer self);

  GtkWindow* window_;
  std::function<void()> onOutputChanged_;
  bool registered_ = false;
  DockEdge edge_ = DockEdge::kFloating;
  int reserve_ = 0;
  guint dockAgain_ = 0;
  GtkGesture* press_ = nullptr;  // sees each press in the bar before its icons do
  Point pressedAt_;
};

// The size of the output that `window` is on; of the first output while it is not shown or null.
Size OutputSizeOf(GtkWindow* window);

}  // namespace vb
