#include "platform/linux/layer_shell_bar.h"

#include <gtk-layer-shell.h>

#include <algorithm>

namespace vb {
namespace {

constexpr const char* kNamespace = "velloband";

struct DragState {
  GtkWindow* window;
  GdkDevice* pointer;
  GMainLoop* loop;
  int grabX, grabY;  // where the pointer pressed, in the bar
  Point from;        // where the bar was then
  Point at;          // where it is now
  Size output;
};

void PutAt(GtkWindow* window, Point at) {
  gtk_layer_set_margin(window, GTK_LAYER_SHELL_EDGE_LEFT, at.x);
  gtk_layer_set_margin(window, GTK_LAYER_SHELL_EDGE_TOP, at.y);
}

// While the button is held the compositor gives the pointer's place against where the bar was
// when it was pressed, however far the bar has moved since.
gboolean DragStep(gpointer data) {
  auto* drag = static_cast<DragState*>(data);
  int x = 0, y = 0;
  GdkModifierType mask{};
  gdk_window_get_device_position(gtk_widget_get_window(GTK_WIDGET(drag->window)), drag->pointer, &x,
                                 &y, &mask);
  // Once the button is up, places are the bar's own again: the last one held counts.
  if ((mask & GDK_BUTTON1_MASK) == 0) {
    g_main_loop_quit(drag->loop);
    return G_SOURCE_REMOVE;
  }
  const Point at{
      std::clamp(drag->from.x + x - drag->grabX, 0, std::max(drag->output.width - 1, 0)),
      std::clamp(drag->from.y + y - drag->grabY, 0, std::max(drag->output.height - 1, 0))};
  if (at.x != drag->at.x || at.y != drag->at.y) {
    drag->at = at;
    PutAt(drag->window, at);
  }
  return G_SOURCE_CONTINUE;
}

}  // namespace

LayerShellBar::LayerShellBar(GtkWindow* window, std::function<void()> onOutputChanged)
    : window_(window), onOutputChanged_(std::move(onOutputChanged)) {
  gtk_layer_init_for_window(window_);
  gtk_layer_set_namespace(window_, kNamespace);
  gtk_layer_set_layer(window_, GTK_LAYER_SHELL_LAYER_TOP);
  gtk_layer_set_keyboard_mode(window_, GTK_LAYER_SHELL_KEYBOARD_MODE_NONE);
  Float({0, 0});
  press_ = gtk_gesture_multi_press_new(GTK_WIDGET(window_));
  gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(press_), GDK_BUTTON_PRIMARY);
  gtk_event_controller_set_propagation_phase(GTK_EVENT_CONTROLLER(press_), GTK_PHASE_CAPTURE);
  g_signal_connect(press_, "pressed", G_CALLBACK(&OnPressed), this);
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window_));
  g_signal_connect(display, "monitor-added", G_CALLBACK(&OnMonitorsChanged), this);
  g_signal_connect(display, "monitor-removed", G_CALLBACK(&OnMonitorsChanged), this);
}

LayerShellBar::~LayerShellBar() {
  if (dockAgain_ != 0) g_source_remove(dockAgain_);
  g_object_unref(press_);
  g_signal_handlers_disconnect_by_data(gtk_widget_get_display(GTK_WIDGET(window_)), this);
}

Size OutputSizeOf(GtkWindow* bar) {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return {};
  GdkWindow* window = bar != nullptr ? gtk_widget_get_window(GTK_WIDGET(bar)) : nullptr;
  GdkMonitor* monitor = window != nullptr && gtk_widget_get_mapped(GTK_WIDGET(bar))
                            ? gdk_display_get_monitor_at_window(display, window)
                            : gdk_display_get_monitor(display, 0);
  if (monitor == nullptr) return {};
  GdkRectangle area{};
  gdk_monitor_get_geometry(monitor, &area);
  return {area.width, area.height};
}

Size LayerShellBar::OutputSize() const {
  return OutputSizeOf(window_);
}

void LayerShellBar::Unregister(Point at) {
  registered_ = false;
  edge_ = DockEdge::kFloating;
  Float(at);
}

void LayerShellBar::Dock(DockEdge edge, int reserve) {
  if (!registered_ || (edge != DockEdge::kTop && edge != DockEdge::kBottom)) return;
  edge_ = edge;
  reserve_ = reserve;
  const bool top = edge == DockEdge::kTop;
  gtk_layer_set_anchor(window_, GTK_LAYER_SHELL_EDGE_TOP, top);
  gtk_layer_set_anchor(window_, GTK_LAYER_SHELL_EDGE_BOTTOM, !top);
  gtk_layer_set_anchor(window_, GTK_LAYER_SHELL_EDGE_LEFT, TRUE);
  gtk_layer_set_anchor(window_, GTK_LAYER_SHELL_EDGE_RIGHT, TRUE);
  for (auto side : {GTK_LAYER_SHELL_EDGE_LEFT, GTK_LAYER_SHELL_EDGE_TOP, GTK_LAYER_SHELL_EDGE_RIGHT,
                    GTK_LAYER_SHELL_EDGE_BOTTOM}) {
    gtk_layer_set_margin(window_, side, 0);
  }
  gtk_layer_set_exclusive_zone(window_, reserve);
}

void LayerShellBar::Move(Point at) {
  if (edge_ == DockEdge::kFloating) Float(at);
}

// No exclusive zone: the bar keeps out of the panels' way and takes no room from windows.
void LayerShellBar::Float(Point at) {
  gtk_layer_set_exclusive_zone(window_, 0);
  gtk_layer_set_anchor(window_, GTK_LAYER_SHELL_EDGE_TOP, TRUE);
  gtk_layer_set_anchor(window_, GTK_LAYER_SHELL_EDGE_LEFT, TRUE);
  gtk_layer_set_anchor(window_, GTK_LAYER_SHELL_EDGE_BOTTOM, FALSE);
  gtk_layer_set_anchor(window_, GTK_LAYER_SHELL_EDGE_RIGHT, FALSE);
  PutAt(window_, at);
}

Point LayerShellBar::Drag(Point from) {
  GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(window_));
  GdkSeat* seat = gdk_display_get_default_seat(gtk_widget_get_display(GTK_WIDGET(window_)));
  if (window == nullptr || seat == nullptr) return from;
  DragState drag{window_, gdk_seat_get_pointer(seat), nullptr, 0, 0, from, from, OutputSize()};
  // The drag begins only once the pointer has moved away from the press: the bar follows from
  // there, as far as the pointer went.
  drag.grabX = pressedAt_.x;
  drag.grabY = pressedAt_.y;
  int x = 0, y = 0;
  GdkModifierType mask{};
  gdk_window_get_device_position(window, drag.pointer, &x, &y, &mask);
  if ((mask & GDK_BUTTON1_MASK) == 0) return from;
  // The pointer stays with the bar while the button is held, without a grab of its own.
  Float(from);
  drag.loop = g_main_loop_new(nullptr, FALSE);
  g_timeout_add(15, &DragStep, &drag);
  g_main_loop_run(drag.loop);
  g_main_loop_unref(drag.loop);
  if (edge_ != DockEdge::kFloating && dockAgain_ == 0) dockAgain_ = g_idle_add(&DockAgain, this);
  return drag.at;
}

// The ticker decides after the drag whether the bar still docks; it unregisters it if not.
gboolean LayerShellBar::DockAgain(gpointer self) {
  auto* bar = static_cast<LayerShellBar*>(self);
  bar->dockAgain_ = 0;
  if (bar->registered_) bar->Dock(bar->edge_, bar->reserve_);
  return G_SOURCE_REMOVE;
}

bool LayerShellBar::PointerOnBar(Point& inBar) const {
  GdkSeat* seat = gdk_display_get_default_seat(gtk_widget_get_display(GTK_WIDGET(window_)));
  GdkWindow* own = gtk_widget_get_window(GTK_WIDGET(window_));
  if (seat == nullptr || own == nullptr) return false;
  int x = 0, y = 0;
  GdkWindow* under = gdk_device_get_window_at_position(gdk_seat_get_pointer(seat), &x, &y);
  // The icons have windows of their own inside the bar's.
  double barX = x, barY = y;
  for (int depth = 0; under != nullptr && under != own && depth < 8; ++depth) {
    gdk_window_coords_to_parent(under, barX, barY, &barX, &barY);
    under = gdk_window_get_parent(under);
  }
  inBar = {static_cast<int>(barX), static_cast<int>(barY)};
  return under == own;
}

// GTK paints a window of an alpha visual through a translucent group: the compositor has no
// opacity of its own to offer here.
void LayerShellBar::SetOpacity(double opacity) {
  gtk_widget_set_opacity(GTK_WIDGET(window_), opacity);
}

void LayerShellBar::OnPressed(GtkGestureMultiPress*, gint, gdouble x, gdouble y, gpointer self) {
  static_cast<LayerShellBar*>(self)->pressedAt_ = {static_cast<int>(x), static_cast<int>(y)};
}

void LayerShellBar::OnMonitorsChanged(GdkDisplay*, GdkMonitor*, gpointer self) {
  auto* bar = static_cast<LayerShellBar*>(self);
  if (bar->onOutputChanged_) bar->onOutputChanged_();
}

}  // namespace vb
