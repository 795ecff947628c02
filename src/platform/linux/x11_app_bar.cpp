#include "platform/linux/x11_app_bar.h"

#include <algorithm>

namespace vb {

void X11AppBar::Attach(x11::XWindow bar) {
  Detach();
  bar_ = bar;
  x11::WatchRoot();
  x11::WatchPanels(bar_);
  gdk_window_add_filter(nullptr, &OnXEvent, this);
}

void X11AppBar::Detach() {
  if (bar_ == 0) return;
  gdk_window_remove_filter(nullptr, &OnXEvent, this);
  if (panelCheck_ != 0) g_source_remove(panelCheck_);
  panelCheck_ = 0;
  bar_ = 0;
  registered_ = false;
}

bool X11AppBar::Register() {
  registered_ = bar_ != 0;
  RelearnReserved();
  return registered_;
}

void X11AppBar::Unregister() {
  registered_ = false;
  SetOwnStrut({});
}

std::vector<std::array<long, 12>> X11AppBar::OtherStruts() const {
  return x11::StrutsExcept(bar_);
}

void X11AppBar::Query(DockEdge edge, AppBarStrip& strip, Size screen, int scale) const {
  strip.left = std::clamp(strip.left, 0, screen.width);
  strip.right = std::clamp(strip.right, strip.left, screen.width);
  int deviceWidth = 0, deviceHeight = 0;
  x11::ScreenPixels(deviceWidth, deviceHeight);
  EdgeInsets insets =
      InsetsOver(OtherStruts(), strip.left * scale, strip.right * scale, deviceHeight);
  insets.top = std::max(insets.top, reserved_.top);
  insets.bottom = std::max(insets.bottom, reserved_.bottom);
  const int height = std::max(strip.bottom - strip.top, 0);
  if (edge == DockEdge::kTop) {
    strip.top = std::max(strip.top, (insets.top + scale - 1) / scale);
    strip.bottom = strip.top + height;
  } else if (edge == DockEdge::kBottom) {
    strip.bottom = std::min(strip.bottom, screen.height - (insets.bottom + scale - 1) / scale);
    strip.top = strip.bottom - height;
  }
  strip.top = std::clamp(strip.top, 0, screen.height);
  strip.bottom = std::clamp(strip.bottom, strip.top, screen.height);
}

void X11AppBar::Set(DockEdge edge, AppBarStrip& strip, Size screen, int scale) {
  Query(edge, strip, screen, scale);
  if (!registered_) return;
  panels_ = OtherStruts();
  if (edge != DockEdge::kTop && edge != DockEdge::kBottom) {
    SetOwnStrut({});
    return;
  }
  StripRect rect{strip.left * scale, strip.top * scale, strip.right * scale, strip.bottom * scale};
  StripEdge side = edge == DockEdge::kTop ? StripEdge::kTop : StripEdge::kBottom;
  int deviceWidth = 0, deviceHeight = 0;
  x11::ScreenPixels(deviceWidth, deviceHeight);
  SetOwnStrut(StrutFor(side, rect, deviceHeight));
}

// A floating or hidden bar writes a zero strut rather than deleting the property: some window
// managers keep the last strut they saw when it goes.
void X11AppBar::SetOwnStrut(const std::array<long, 12>& strut) {
  if (bar_ == 0) return;
  ownStrut_ = strut;
  x11::SetStrut(bar_, strut);
}

bool X11AppBar::RelearnReserved() {
  long x = 0, y = 0, width = 0, height = 0;
  int deviceWidth = 0, deviceHeight = 0;
  x11::ScreenPixels(deviceWidth, deviceHeight);
  if (!x11::WorkArea(x, y, width, height) || height <= 0) return false;
  const EdgeInsets workArea{static_cast<int>(y), static_cast<int>(deviceHeight - (y + height))};
  const EdgeInsets own{static_cast<int>(ownStrut_[2]), static_cast<int>(ownStrut_[3])};
  const EdgeInsets learned = LearnReserved(
      workArea, InsetsOver(OtherStruts(), 0, deviceWidth, deviceHeight), own, reserved_);
  const bool changed = learned.top != reserved_.top || learned.bottom != reserved_.bottom;
  reserved_ = learned;
  return changed;
}

// Panels that come, go or change send a burst of events: one look after the burst.
GdkFilterReturn X11AppBar::OnXEvent(GdkXEvent* xevent, GdkEvent*, gpointer self) {
  auto* appBar = static_cast<X11AppBar*>(self);
  if (appBar->panelCheck_ == 0 && x11::MayMovePanels(xevent)) {
    appBar->panelCheck_ = g_timeout_add(100, &CheckPanels, appBar);
  }
  return GDK_FILTER_CONTINUE;
}

// Only a change of the others' struts or of what the window manager keeps free moves the strip:
// the bar's own strut changes the work area too, and must not set it off again.
gboolean X11AppBar::CheckPanels(gpointer self) {
  auto* appBar = static_cast<X11AppBar*>(self);
  appBar->panelCheck_ = 0;
  x11::WatchPanels(appBar->bar_);
  const bool reservedChanged = appBar->RelearnReserved();
  if (appBar->registered_ && (reservedChanged || appBar->OtherStruts() != appBar->panels_)) {
    appBar->onPanelsMoved_();
  }
  return G_SOURCE_REMOVE;
}

}  // namespace vb
