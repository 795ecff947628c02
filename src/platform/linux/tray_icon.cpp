#include "platform/linux/tray_icon.h"

#include <string>

namespace vb {

// GtkStatusIcon is deprecated but is the one GTK 3 way to sit in an XEmbed tray, and it reports
// which button was pressed.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

TrayIcon::~TrayIcon() {
  Remove();
}

void TrayIcon::Add(GdkPixbuf* icon, std::string_view tip) {
  if (icon_ == nullptr) {
    icon_ = G_OBJECT(gtk_status_icon_new());
    g_signal_connect(icon_, "button-press-event", G_CALLBACK(&OnPress), this);
  }
  GtkStatusIcon* status = GTK_STATUS_ICON(icon_);
  if (icon != nullptr) gtk_status_icon_set_from_pixbuf(status, icon);
  gtk_status_icon_set_tooltip_text(status, std::string(tip).c_str());
  gtk_status_icon_set_title(status, "Velloband");
  gtk_status_icon_set_visible(status, TRUE);
}

void TrayIcon::Remove() {
  if (icon_ == nullptr) return;
  gtk_status_icon_set_visible(GTK_STATUS_ICON(icon_), FALSE);
  g_signal_handlers_disconnect_by_data(icon_, this);
  g_object_unref(icon_);
  icon_ = nullptr;
}

bool TrayIcon::Embedded() const {
  return icon_ != nullptr && gtk_status_icon_is_embedded(GTK_STATUS_ICON(icon_));
}

gboolean TrayIcon::OnPress(GObject*, GdkEventButton* event, gpointer self) {
  auto* tray = static_cast<TrayIcon*>(self);
  if (event->type != GDK_BUTTON_PRESS) return FALSE;
  if (event->button == GDK_BUTTON_PRIMARY) tray->onButton_(PointerButton::kPrimary);
  if (event->button == GDK_BUTTON_SECONDARY) tray->onButton_(PointerButton::kSecondary);
  return TRUE;
}

G_GNUC_END_IGNORE_DEPRECATIONS

}  // namespace vb
