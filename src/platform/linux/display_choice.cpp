#include "platform/linux/display_choice.h"

namespace vb {

BarDisplay ChooseBarDisplay(const DisplayFacts& facts) {
  if (facts.gdkBackend == "x11") return facts.xDisplaySet ? BarDisplay::kX11 : BarDisplay::kNone;
  if (facts.waylandReached && facts.layerShellOffered) return BarDisplay::kLayerShell;
  return facts.xDisplaySet ? BarDisplay::kX11 : BarDisplay::kNone;
}

std::string NoDisplayMessage(const DisplayFacts& facts) {
  if (facts.gdkBackend != "x11" && facts.waylandReached) {
    return "velloband: this Wayland compositor offers no layer shell and there is no X display "
           "(XWayland) to show the bar on: start XWayland or set DISPLAY\n";
  }
  return "velloband: cannot open the display\n";
}

}  // namespace vb
