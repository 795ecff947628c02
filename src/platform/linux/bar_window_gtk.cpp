#include "platform/linux/bar_window_gtk.h"

#include <gdk/gdkx.h>

#include <cstdlib>
#include <tuple>

namespace vb {
namespace {

constexpr const char* kBarTitle = "Velloband V1.1";
constexpr int kIconSize = 16;

void SetSourceColour(cairo_t* cr, Colour colour) {
  cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       ((colour >> 16) & 0xFF) / 255.0);
}

// Paints `colour`, or lets the desktop through where the colour key says so.
void PaintBackground(cairo_t* cr, Colour colour, const std::optional<Colour>& key) {
  cairo_save(cr);
  if (key && *key == colour) {
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  } else {
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    SetSourceColour(cr, colour);
  }
  cairo_paint(cr);
  cairo_restore(cr);
}

struct DragState {
  GtkWindow* window;
  GdkDevice* pointer;
  GMainLoop* loop;
  int startPointerX, startPointerY, startX, startY;
  int x, y;  // where the bar was last moved
};

// Polled rather than event-driven: a release that happens before the grab still ends the drag.
gboolean DragStep(gpointer data) {
  auto* drag = static_cast<DragState*>(data);
  int x = 0, y = 0;
  GdkModifierType mask{};
  gdk_window_get_device_position(gdk_get_default_root_window(), drag->pointer, &x, &y, &mask);
  // The bar follows to where the button went up, too.
  drag->x = drag->startX + x - drag->startPointerX;
  drag->y = drag->startY + y - drag->startPointerY;
  gtk_window_move(drag->window, drag->x, drag->y);
  if ((mask & GDK_BUTTON1_MASK) == 0) {
    g_main_loop_quit(drag->loop);
    return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}

}  // namespace

BarWindowGtk::BarWindowGtk(int width, int height, Hooks hooks)
    : hooks_(std::move(hooks)), width_(width), height_(height) {
  window_ = GTK_WINDOW(gtk_window_new(GTK_WINDOW_TOPLEVEL));
  gtk_window_set_title(window_, kBarTitle);
  gtk_window_set_decorated(window_, FALSE);
  gtk_window_set_keep_above(window_, TRUE);
  gtk_window_stick(window_);
  gtk_window_set_skip_taskbar_hint(window_, TRUE);
  gtk_window_set_skip_pager_hint(window_, TRUE);
  gtk_window_set_accept_focus(window_, FALSE);
  gtk_window_set_focus_on_map(window_, FALSE);
  gtk_window_set_type_hint(window_, GDK_WINDOW_TYPE_HINT_DOCK);
  gtk_window_set_resizable(window_, FALSE);
  // A visual with alpha lets the colour-key mode show the desktop through the bar.
  GdkVisual* rgba = gdk_screen_get_rgba_visual(gtk_window_get_screen(window_));
  if (rgba != nullptr) gtk_widget_set_visual(GTK_WIDGET(window_), rgba);
  gtk_widget_set_app_paintable(GTK_WIDGET(window_), TRUE);
  gtk_window_move(window_, 0, 0);
  overlay_ = gtk_overlay_new();
  gtk_widget_set_size_request(overlay_, width, height);
  gtk_container_add(GTK_CONTAINER(window_), overlay_);
  g_signal_connect(overlay_, "get-child-position", G_CALLBACK(&OnChildPosition), this);
  g_signal_connect(window_, "draw", G_CALLBACK(&OnWindowDraw), this);
  g_signal_connect(window_, "delete-event", G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer self) {
                     auto* bar = static_cast<BarWindowGtk*>(self);
                     if (bar->hooks_.onClose) bar->hooks_.onClose();
                     return gboolean{TRUE};
                   }),
                   this);
  gtk_widget_show(overlay_);
  if (hooks_.beforeRealize) hooks_.beforeRealize(window_);
  // Realized at once, so that another start finds the title while the bar is still hidden.
  gtk_widget_realize(GTK_WIDGET(window_));
  frameOpacity_ = std::make_unique<FrameOpacity>(Xid());
}

BarWindowGtk::~BarWindowGtk() {
  CancelPendingClick();
  frameOpacity_.reset();
  gtk_widget_destroy(GTK_WIDGET(window_));
}

x11::XWindow BarWindowGtk::Xid() const {
  GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(window_));
  return window != nullptr && GDK_IS_X11_WINDOW(window) ? gdk_x11_window_get_xid(window) : None;
}

void BarWindowGtk::SetContent(GtkWidget* content, int width, int height) {
  content_ = content;
  gtk_widget_set_size_request(content, width, height);
  gtk_container_add(GTK_CONTAINER(overlay_), content);
  gtk_widget_show(content);
}

void BarWindowGtk::AddIcon(int controlId, int x, int y, GdkPixbuf* icon, bool dragHandle) {
  if (icons_.count(controlId) != 0) return;
  GtkWidget* box = gtk_event_box_new();
  GtkWidget* image = icon != nullptr ? gtk_image_new_from_pixbuf(icon) : gtk_image_new();
  gtk_container_add(GTK_CONTAINER(box), image);
  gtk_widget_add_events(box, GDK_BUTTON_PRESS_MASK);
  gtk_widget_set_app_paintable(box, TRUE);
  auto slot = std::make_unique<IconSlot>(IconSlot{this, controlId, x, y, box, dragHandle});
  g_signal_connect(box, "button-press-event", G_CALLBACK(&OnIconPress), slot.get());
  g_signal_connect(box, "draw", G_CALLBACK(&OnIconDraw), slot.get());
  icons_[controlId] = std::move(slot);
  gtk_overlay_add_overlay(GTK_OVERLAY(overlay_), box);
  // Icons made earlier stay above those made later.
  gtk_overlay_reorder_overlay(GTK_OVERLAY(overlay_), box, 0);
  gtk_widget_show_all(box);
}

GtkWidget* BarWindowGtk::Icon(int controlId) const {
  auto found = icons_.find(controlId);
  return found == icons_.end() ? nullptr : found->second->widget;
}

bool BarWindowGtk::IconAt(int x, int y) const {
  for (const auto& [id, slot] : icons_) {
    if (x >= slot->x && x < slot->x + kIconSize && y >= slot->y && y < slot->y + kIconSize) {
      return true;
    }
  }
  return false;
}

void BarWindowGtk::Show() {
  gtk_window_move(window_, x_, y_);
  gtk_widget_show(GTK_WIDGET(window_));
}

void BarWindowGtk::Hide() {
  gtk_widget_hide(GTK_WIDGET(window_));
}

bool BarWindowGtk::Visible() const {
  return gtk_widget_get_visible(GTK_WIDGET(window_));
}

void BarWindowGtk::Move(int x, int y) {
  x_ = x;
  y_ = y;
  gtk_window_move(window_, x, y);
}

void BarWindowGtk::Resize(int width, int height) {
  width_ = width;
  height_ = height;
  gtk_widget_set_size_request(overlay_, width, height);
  if (content_ != nullptr) gtk_widget_set_size_request(content_, width, height);
  gtk_window_resize(window_, width, height);
}

// Where the bar was put: the window manager applies a move later, but the bar's own moves are
// what the docking arithmetic needs at once.
Rect BarWindowGtk::Frame() const {
  return Rect{x_, y_, x_ + width_, y_ + height_};
}

void BarWindowGtk::KeepAbove(bool above) {
  gtk_window_set_keep_below(window_, !above);
  gtk_window_set_keep_above(window_, above);
}

void BarWindowGtk::Drag() {
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window_));
  GdkSeat* seat = gdk_display_get_default_seat(display);
  GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(window_));
  if (seat == nullptr || window == nullptr) return;
  DragState drag{window_, gdk_seat_get_pointer(seat), nullptr, 0, 0, x_, y_, x_, y_};
  GdkModifierType mask{};
  gdk_window_get_device_position(gdk_get_default_root_window(), drag.pointer, &drag.startPointerX,
                                 &drag.startPointerY, &mask);
  if (dragFrom_) std::tie(drag.startPointerX, drag.startPointerY) = *dragFrom_;
  dragFrom_.reset();
  if ((mask & GDK_BUTTON1_MASK) == 0) return;
  GdkGrabStatus grab = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_ALL_POINTING, FALSE, nullptr,
                                     nullptr, nullptr, nullptr);
  drag.loop = g_main_loop_new(nullptr, FALSE);
  g_timeout_add(15, &DragStep, &drag);
  g_main_loop_run(drag.loop);
  g_main_loop_unref(drag.loop);
  if (grab == GDK_GRAB_SUCCESS) gdk_seat_ungrab(seat);
  x_ = drag.x;
  y_ = drag.y;
}

// The window manager's opacity, which the compositor applies: GTK's own would repaint the whole
// bar through a translucent group (it does so for windows with an alpha visual) at every frame.
void BarWindowGtk::SetOpacity(double opacity) {
  GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(window_));
  if (window != nullptr) gdk_window_set_opacity(window, opacity);
  frameOpacity_->Set(opacity);
}

void BarWindowGtk::SetColourKey(std::optional<Colour> key) {
  colourKey_ = key;
  Redraw();
}

void BarWindowGtk::Redraw() {
  gtk_widget_queue_draw(GTK_WIDGET(window_));
}

gboolean BarWindowGtk::OnChildPosition(GtkOverlay*, GtkWidget* child, GdkRectangle* where,
                                       gpointer self) {
  auto* bar = static_cast<BarWindowGtk*>(self);
  for (auto& [id, slot] : bar->icons_) {
    if (slot->widget != child) continue;
    *where = GdkRectangle{slot->x, slot->y, kIconSize, kIconSize};
    return TRUE;
  }
  return FALSE;
}

bool BarWindowGtk::IsSecondPress(int id, const GdkEventButton& event) {
  gint time = 400, distance = 5;
  g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &time,
               "gtk-double-click-distance", &distance, nullptr);
  const bool second = !lastPress_.wasDouble && lastPress_.id == id &&
                      event.time - lastPress_.time <= static_cast<guint32>(time) &&
                      std::abs(event.x_root - lastPress_.x) <= distance &&
                      std::abs(event.y_root - lastPress_.y) <= distance;
  lastPress_ = LastPress{id, event.time, event.x_root, event.y_root, second};
  return second;
}

// GDK's own double-click events follow a second press that is already reported as one.
gboolean BarWindowGtk::OnIconPress(GtkWidget*, GdkEventButton* event, gpointer data) {
  auto* slot = static_cast<IconSlot*>(data);
  BarWindowGtk* bar = slot->bar;
  if (event->button != GDK_BUTTON_PRIMARY || !bar->hooks_.onIcon) return FALSE;
  if (event->type != GDK_BUTTON_PRESS) return TRUE;
  if (bar->IsSecondPress(slot->id, *event)) {
    bar->CancelPendingClick();
    bar->hooks_.onIcon(slot->id, IconPress::kDoubleClick);
  } else if (slot->dragHandle) {
    gint time = 400;
    g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &time, nullptr);
    bar->CancelPendingClick();
    bar->pending_ = PendingClick{slot->id, g_get_monotonic_time() + time * 1000LL,
                                 static_cast<int>(event->x_root), static_cast<int>(event->y_root),
                                 g_timeout_add(15, &WatchPendingClick, bar)};
  } else {
    bar->hooks_.onIcon(slot->id, IconPress::kClick);
  }
  return TRUE;
}

gboolean BarWindowGtk::WatchPendingClick(gpointer self) {
  auto* bar = static_cast<BarWindowGtk*>(self);
  GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
  int x = 0, y = 0;
  GdkModifierType mask{};
  if (seat != nullptr) {
    gdk_window_get_device_position(gdk_get_default_root_window(), gdk_seat_get_pointer(seat), &x,
                                   &y, &mask);
  }
  const bool held = (mask & GDK_BUTTON1_MASK) != 0;
  const bool dragged =
      held && gtk_drag_check_threshold(GTK_WIDGET(bar->window_), bar->pending_.startX,
                                       bar->pending_.startY, x, y);
  if (!dragged && (held || g_get_monotonic_time() < bar->pending_.deadline)) {
    return G_SOURCE_CONTINUE;
  }
  const int id = bar->pending_.id;
  bar->dragFrom_.reset();
  if (dragged) bar->dragFrom_.emplace(bar->pending_.startX, bar->pending_.startY);
  bar->pending_ = PendingClick{};
  // The click may end the program and this bar with it: nothing of it is touched afterwards.
  bar->hooks_.onIcon(id, IconPress::kClick);
  return G_SOURCE_REMOVE;
}

void BarWindowGtk::CancelPendingClick() {
  if (pending_.source != 0) g_source_remove(pending_.source);
  pending_ = PendingClick{};
}

gboolean BarWindowGtk::OnIconDraw(GtkWidget*, cairo_t* cr, gpointer data) {
  auto* slot = static_cast<IconSlot*>(data);
  if (slot->bar->hooks_.iconColours) {
    PaintBackground(cr, slot->bar->hooks_.iconColours().background, slot->bar->colourKey_);
  }
  return FALSE;
}

// The browser covers the bar; what it leaves uncovered stays transparent.
gboolean BarWindowGtk::OnWindowDraw(GtkWidget*, cairo_t* cr, gpointer) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_restore(cr);
  return FALSE;
}

}  // namespace vb
