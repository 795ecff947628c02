#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string_view>

namespace vb {

// The notification-area icon (XEmbed tray). It tells the left button from the right one.
class TrayIcon {
 public:
  // `onButton` receives kMouseLeftButtonDown or kMouseRightButtonDown.
  explicit TrayIcon(std::function<void(int)> onButton) : onButton_(std::move(onButton)) {}
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

  std::function<void(int)> onButton_;
  GObject* icon_ = nullptr;
};

}  // namespace vb
