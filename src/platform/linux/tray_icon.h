#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string_view>

#include "ticker/desktop.h"

namespace vb {

// The notification-area icon (XEmbed tray). It tells the left button from the right one.
class TrayIcon {
 public:
  explicit TrayIcon(std::function<void(PointerButton)> onButton) : onButton_(std::move(onButton)) {}
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Shows the icon (again) with a tip in UTF-8.
  void Add(GdkPixbuf* icon, std::string_view tip);
  void Remove();
  // Whether a notification area holds the icon.
  bool Embedded() const;

 private:
  static gboolean OnPress(GObject* icon, GdkEventButton* event, gpointer self);

  std::function<void(PointerButton)> onButton_;
  GObject* icon_ = nullptr;
};

}  // namespace vb
