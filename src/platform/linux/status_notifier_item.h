#pragma once

#include <gio/gio.h>
#include <gtk/gtk.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "resources/resource_model.h"
#include "ticker/desktop.h"

typedef struct _DbusmenuServer DbusmenuServer;

namespace vb {

// The tray icon of today's panels (KDE Plasma, GNOME's AppIndicator extension, swaybar, waybar,
// the xfce4 and LXQt panels): a StatusNotifierItem on the session bus, registered with the
// panel's StatusNotifierWatcher, with its menu served over com.canonical.dbusmenu. A watcher that
// comes later (a panel started after the bar) gets the item at once.
class StatusNotifierItem {
 public:
  struct Hooks {
    std::function<void(PointerButton)> onButton;
    std::function<void(int)> onCommand;      // a menu entry's command id
    std::function<void()> onWatcherChanged;  // a watcher came or went
  };

  explicit StatusNotifierItem(Hooks hooks);
  ~StatusNotifierItem();
  StatusNotifierItem(const StatusNotifierItem&) = delete;
  StatusNotifierItem& operator=(const StatusNotifierItem&) = delete;

  // Connects to the session bus and looks out for a watcher; false without a session bus.
  bool Start(const res::MenuItem& menu);
  bool WatcherPresent() const { return watcherPresent_; }
  // Offers the item (again) to every watcher, with a tip in UTF-8; Hide withdraws it.
  void Show(const std::vector<GdkPixbuf*>& icons, std::string_view tip);
  void Hide();
  // Whether a panel shows the item: it is registered and the watcher has a host.
  bool Shown() const { return wanted_ && registered_ && hostPresent_; }

 private:
  static void OnWatcherAppeared(GDBusConnection*, const gchar*, const gchar*, gpointer self);
  static void OnWatcherVanished(GDBusConnection*, const gchar*, gpointer self);
  static void OnMethod(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                       const gchar* method, GVariant* parameters, GDBusMethodInvocation* invocation,
                       gpointer self);
  static GVariant* OnProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                              const gchar* property, GError**, gpointer self);
  static void OnRegistered(GObject* source, GAsyncResult* result, gpointer self);
  static void OnHostState(GObject* source, GAsyncResult* result, gpointer self);
  static void OnWatcherSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                              const gchar* signal, GVariant*, gpointer self);
  void BuildMenu(const res::MenuItem& menu);
  void Register();
  void AskHost();
  void Emit(const char* signal, GVariant* parameters);
  // Runs a click or a menu choice from the main loop: it may end the program, and this item
  // with it, which must not happen inside a call of the bus.
  void Defer(bool command, int value);
  static gboolean RunDeferred(gpointer self);
  GVariant* Pixmaps() const;

  Hooks hooks_;
  std::function<void(int)> onMenuCommand_ = [this](int id) { Defer(true, id); };
  GDBusConnection* bus_ = nullptr;
  GCancellable* cancel_ = nullptr;
  DbusmenuServer* menu_ = nullptr;
  std::string busName_;
  guint nameId_ = 0;
  guint objectId_ = 0;
  guint watchId_ = 0;
  guint signalId_ = 0;
  bool watcherPresent_ = false;
  bool wanted_ = false;
  bool registered_ = false;
  bool hostPresent_ = false;
  std::string title_;
  std::string tipText_;
  struct Pixmap {
    int width;
    int height;
    std::vector<unsigned char> argb;  // network byte order
  };
  std::vector<Pixmap> pixmaps_;
  std::vector<std::pair<bool, int>> deferred_;  // (is a command, command id or mouse message)
  guint deferredSource_ = 0;
};

}  // namespace vb
