#pragma once

namespace vb {

struct WaylandOffer {
  bool reached = false;     // a compositor answered at WAYLAND_DISPLAY
  bool layerShell = false;  // and it offers zwlr_layer_shell_v1
};

// Asks the session's Wayland compositor, before GTK picks a backend, what it offers. Nothing is
// asked when WAYLAND_DISPLAY is unset.
WaylandOffer ProbeWayland();

}  // namespace vb
