#pragma once

#include <string>

namespace vb {

// How the bar shows itself: as a layer surface where the Wayland compositor offers the layer
// shell (panels and docks use it there), otherwise as an X11 window, through XWayland on a
// Wayland desktop.
enum class BarDisplay { kLayerShell, kX11, kNone };

struct DisplayFacts {
  std::string gdkBackend;       // GDK_BACKEND as the user set it
  bool waylandReached = false;  // a compositor answered at WAYLAND_DISPLAY
  bool layerShellOffered = false;
  bool xDisplaySet = false;  // DISPLAY names a display
};

// GDK_BACKEND=x11 keeps the bar on X; any other value is GDK's own preference, which would give a
// Wayland window that can neither dock nor stay above.
BarDisplay ChooseBarDisplay(const DisplayFacts& facts);

// Why the bar cannot be shown, for standard error, when the choice is kNone.
std::string NoDisplayMessage(const DisplayFacts& facts);

}  // namespace vb
