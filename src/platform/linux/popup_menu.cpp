#include "platform/linux/popup_menu.h"

namespace vb {
namespace {

struct MenuRun {
  GMainLoop* loop = nullptr;
  int chosen = 0;
};

void OnItemActivate(GtkMenuItem* item, gpointer data) {
  static_cast<MenuRun*>(data)->chosen =
      GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "vb-command"));
}

GtkWidget* BuildMenu(const res::MenuItem& popup, MenuRun& run) {
  GtkWidget* menu = gtk_menu_new();
  for (const res::MenuItem& entry : popup.items) {
    GtkWidget* item = nullptr;
    if (entry.kind == res::MenuItemKind::kSeparator) {
      item = gtk_separator_menu_item_new();
    } else {
      item = gtk_menu_item_new_with_label(std::string(entry.text).c_str());
      gtk_widget_set_sensitive(item, !entry.greyed);
      if (entry.kind == res::MenuItemKind::kPopup) {
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), BuildMenu(entry, run));
      } else {
        g_object_set_data(G_OBJECT(item), "vb-command", GINT_TO_POINTER(entry.id));
        g_signal_connect(item, "activate", G_CALLBACK(&OnItemActivate), &run);
      }
    }
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
  }
  gtk_widget_show_all(menu);
  return menu;
}

// The click that opens the menu, which GTK wants to know; a click on the broadcast icon is
// told once it is known not to begin a double click, after its own event.
GdkEvent* TriggerEvent(GdkWindow* anchor) {
  if (GdkEvent* current = gtk_get_current_event()) return current;
  GdkEvent* press = gdk_event_new(GDK_BUTTON_PRESS);
  press->button.window = GDK_WINDOW(g_object_ref(anchor));
  press->button.time = GDK_CURRENT_TIME;
  press->button.button = GDK_BUTTON_PRIMARY;
  GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(anchor));
  if (seat != nullptr) gdk_event_set_device(press, gdk_seat_get_pointer(seat));
  return press;
}

}  // namespace

int RunPopupMenu(const res::MenuItem& popup, GtkWidget* anchor, Point at) {
  GdkWindow* anchorWindow = anchor != nullptr ? gtk_widget_get_window(anchor) : nullptr;
  if (anchorWindow == nullptr) return 0;
  MenuRun run;
  GtkWidget* menu = BuildMenu(popup, run);
  g_object_ref_sink(menu);
  run.loop = g_main_loop_new(nullptr, FALSE);
  // The item's activation follows the menu's deactivation within the same dispatch, so quitting
  // here still lets the choice arrive.
  g_signal_connect_swapped(menu, "deactivate", G_CALLBACK(g_main_loop_quit), run.loop);
  int originX = 0, originY = 0;
  gdk_window_get_origin(anchorWindow, &originX, &originY);
  GdkRectangle point{at.x - originX, at.y - originY, 1, 1};
  GdkEvent* trigger = TriggerEvent(anchorWindow);
  gtk_menu_popup_at_rect(GTK_MENU(menu), anchorWindow, &point, GDK_GRAVITY_NORTH_WEST,
                         GDK_GRAVITY_NORTH_EAST, trigger);
  gdk_event_free(trigger);
  if (gtk_widget_get_visible(menu)) g_main_loop_run(run.loop);
  g_main_loop_unref(run.loop);
  gtk_widget_destroy(menu);
  g_object_unref(menu);
  return run.chosen;
}

}  // namespace vb
