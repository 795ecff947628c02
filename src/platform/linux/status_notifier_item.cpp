#include "platform/linux/status_notifier_item.h"

#include <libdbusmenu-glib/dbusmenu-glib.h>
#include <unistd.h>

namespace vb {
namespace {

constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* kWatcherPath = "/StatusNotifierWatcher";
constexpr const char* kWatcherInterface = "org.kde.StatusNotifierWatcher";
constexpr const char* kItemInterfaceName = "org.kde.StatusNotifierItem";
constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kMenuPath = "/MenuBar";
constexpr const char* kCommandKey = "vb-command";

constexpr const char* kItemXml = R"xml(<node><interface name="org.kde.StatusNotifierItem">
  <property name="Category" type="s" access="read"/>
  <property name="Id" type="s" access="read"/>
  <property name="Title" type="s" access="read"/>
  <property name="Status" type="s" access="read"/>
  <property name="WindowId" type="i" access="read"/>
  <property name="IconName" type="s" access="read"/>
  <property name="IconThemePath" type="s" access="read"/>
  <property name="IconPixmap" type="a(iiay)" access="read"/>
  <property name="OverlayIconName" type="s" access="read"/>
  <property name="OverlayIconPixmap" type="a(iiay)" access="read"/>
  <property name="AttentionIconName" type="s" access="read"/>
  <property name="AttentionIconPixmap" type="a(iiay)" access="read"/>
  <property name="AttentionMovieName" type="s" access="read"/>
  <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
  <property name="ItemIsMenu" type="b" access="read"/>
  <property name="Menu" type="o" access="read"/>
  <method name="ContextMenu"><arg type="i" direction="in"/><arg type="i" direction="in"/></method>
  <method name="Activate"><arg type="i" direction="in"/><arg type="i" direction="in"/></method>
  <method name="SecondaryActivate"><arg type="i" direction="in"/><arg type="i" direction="in"/></method>
  <method name="Scroll"><arg type="i" direction="in"/><arg type="s" direction="in"/></method>
  <signal name="NewTitle"/><signal name="NewIcon"/><signal name="NewToolTip"/>
  <signal name="NewStatus"><arg type="s"/></signal>
</interface></node>)xml";

GVariant* EmptyPixmaps() {
  return g_variant_new_array(G_VARIANT_TYPE("(iiay)"), nullptr, 0);
}

using OnCommand = std::function<void(int)>;

void OnItemActivated(DbusmenuMenuitem* item, guint, gpointer data) {
  const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), kCommandKey));
  if (id != 0) (*static_cast<OnCommand*>(data))(id);
}

void AddEntries(DbusmenuMenuitem* parent, const res::MenuItem& popup, OnCommand* onCommand) {
  for (const res::MenuItem& entry : popup.items) {
    DbusmenuMenuitem* item = dbusmenu_menuitem_new();
    if (entry.kind == res::MenuItemKind::kSeparator) {
      dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_TYPE,
                                     DBUSMENU_CLIENT_TYPES_SEPARATOR);
    } else {
      dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_LABEL,
                                     std::string(entry.text).c_str());
      dbusmenu_menuitem_property_set_bool(item, DBUSMENU_MENUITEM_PROP_ENABLED, !entry.greyed);
      if (entry.kind == res::MenuItemKind::kPopup) {
        dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_CHILD_DISPLAY,
                                       DBUSMENU_MENUITEM_CHILD_DISPLAY_SUBMENU);
        AddEntries(item, entry, onCommand);
      } else {
        g_object_set_data(G_OBJECT(item), kCommandKey, GINT_TO_POINTER(entry.id));
        g_signal_connect(item, DBUSMENU_MENUITEM_SIGNAL_ITEM_ACTIVATED,
                         G_CALLBACK(&OnItemActivated), onCommand);
      }
    }
    dbusmenu_menuitem_child_append(parent, item);
    g_object_unref(item);
  }
}

// The reply of a call, null when it failed; false when the call was cancelled, since the item
// that made it is gone.
bool FinishCall(GObject* source, GAsyncResult* result, GVariant*& reply) {
  GError* error = nullptr;
  reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
  if (error == nullptr) return true;
  const bool cancelled = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
  g_error_free(error);
  return !cancelled;
}

}  // namespace

StatusNotifierItem::StatusNotifierItem(Hooks hooks) : hooks_(std::move(hooks)) {}

StatusNotifierItem::~StatusNotifierItem() {
  if (deferredSource_ != 0) g_source_remove(deferredSource_);
  if (cancel_ != nullptr) {
    g_cancellable_cancel(cancel_);
    g_object_unref(cancel_);
  }
  if (watchId_ != 0) g_bus_unwatch_name(watchId_);
  if (nameId_ != 0) g_bus_unown_name(nameId_);
  if (bus_ != nullptr) {
    if (signalId_ != 0) g_dbus_connection_signal_unsubscribe(bus_, signalId_);
    if (objectId_ != 0) g_dbus_connection_unregister_object(bus_, objectId_);
    g_dbus_connection_flush_sync(bus_, nullptr, nullptr);
    g_object_unref(bus_);
  }
  if (menu_ != nullptr) g_object_unref(menu_);
}

bool StatusNotifierItem::Start(const res::MenuItem& menu) {
  if (bus_ != nullptr) return true;
  bus_ = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (bus_ == nullptr) return false;
  cancel_ = g_cancellable_new();
  static const GDBusInterfaceVTable table{&OnMethod, &OnProperty, nullptr, {}};
  GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kItemXml, nullptr);
  if (node != nullptr) {
    objectId_ = g_dbus_connection_register_object(bus_, kItemPath, node->interfaces[0], &table,
                                                  this, nullptr, nullptr);
    g_dbus_node_info_unref(node);
  }
  BuildMenu(menu);
  // A bus name of the form that hosts expect, so that they see the item go when the bar ends.
  busName_ = "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-1";
  nameId_ = g_bus_own_name_on_connection(bus_, busName_.c_str(), G_BUS_NAME_OWNER_FLAGS_NONE,
                                         nullptr, nullptr, nullptr, nullptr);
  signalId_ = g_dbus_connection_signal_subscribe(bus_, nullptr, kWatcherInterface, nullptr,
                                                 kWatcherPath, nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
                                                 &OnWatcherSignal, this, nullptr);
  watchId_ = g_bus_watch_name_on_connection(bus_, kWatcherName, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                            &OnWatcherAppeared, &OnWatcherVanished, this, nullptr);
  return true;
}

void StatusNotifierItem::BuildMenu(const res::MenuItem& menu) {
  menu_ = dbusmenu_server_new(kMenuPath);
  DbusmenuMenuitem* root = dbusmenu_menuitem_new();
  AddEntries(root, menu, &onMenuCommand_);
  dbusmenu_server_set_root(menu_, root);
  g_object_unref(root);
}

void StatusNotifierItem::Show(const std::vector<GdkPixbuf*>& icons, std::string_view tip) {
  pixmaps_.clear();
  for (GdkPixbuf* icon : icons) {
    if (icon == nullptr) continue;
    GdkPixbuf* rgba = gdk_pixbuf_add_alpha(icon, FALSE, 0, 0, 0);
    const int width = gdk_pixbuf_get_width(rgba), height = gdk_pixbuf_get_height(rgba);
    const int stride = gdk_pixbuf_get_rowstride(rgba);
    const guchar* pixels = gdk_pixbuf_read_pixels(rgba);
    Pixmap pixmap{width, height, {}};
    pixmap.argb.reserve(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const guchar* p = pixels + y * stride + x * 4;
        pixmap.argb.insert(pixmap.argb.end(), {p[3], p[0], p[1], p[2]});
      }
    }
    g_object_unref(rgba);
    pixmaps_.push_back(std::move(pixmap));
  }
  // The tip's first line is its title.
  const std::size_t lineEnd = tip.find('\n');
  title_ = std::string(tip.substr(0, lineEnd));
  tipText_ = lineEnd == std::string_view::npos ? std::string() : std::string(tip.substr(lineEnd));
  while (!tipText_.empty() && tipText_.front() == '\n') tipText_.erase(0, 1);
  wanted_ = true;
  if (registered_) {
    Emit("NewIcon", nullptr);
    Emit("NewToolTip", nullptr);
    Emit("NewStatus", g_variant_new("(s)", "Active"));
  } else if (watcherPresent_) {
    Register();
  }
}

void StatusNotifierItem::Hide() {
  if (!wanted_) return;
  wanted_ = false;
  // Hosts drop a passive item from the panel; a watcher has no call to unregister one.
  Emit("NewStatus", g_variant_new("(s)", "Passive"));
}

GVariant* StatusNotifierItem::Pixmaps() const {
  if (pixmaps_.empty()) return EmptyPixmaps();
  GVariantBuilder builder;
  g_variant_builder_init(&builder, G_VARIANT_TYPE("a(iiay)"));
  for (const Pixmap& pixmap : pixmaps_) {
    GVariant* bytes =
        g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, pixmap.argb.data(), pixmap.argb.size(), 1);
    g_variant_builder_add(&builder, "(ii@ay)", pixmap.width, pixmap.height, bytes);
  }
  return g_variant_builder_end(&builder);
}

void StatusNotifierItem::Emit(const char* signal, GVariant* parameters) {
  if (bus_ == nullptr) return;
  g_dbus_connection_emit_signal(bus_, nullptr, kItemPath, kItemInterfaceName, signal, parameters,
                                nullptr);
}

void StatusNotifierItem::Register() {
  if (bus_ == nullptr) return;
  g_dbus_connection_call(bus_, kWatcherName, kWatcherPath, kWatcherInterface,
                         "RegisterStatusNotifierItem", g_variant_new("(s)", busName_.c_str()),
                         nullptr, G_DBUS_CALL_FLAGS_NONE, 5000, cancel_, &OnRegistered, this);
}

void StatusNotifierItem::OnRegistered(GObject* source, GAsyncResult* result, gpointer self) {
  GVariant* reply = nullptr;
  if (!FinishCall(source, result, reply)) return;
  auto* item = static_cast<StatusNotifierItem*>(self);
  item->registered_ = reply != nullptr;
  if (reply != nullptr) g_variant_unref(reply);
  item->AskHost();
}

void StatusNotifierItem::AskHost() {
  g_dbus_connection_call(bus_, kWatcherName, kWatcherPath, "org.freedesktop.DBus.Properties", "Get",
                         g_variant_new("(ss)", kWatcherInterface, "IsStatusNotifierHostRegistered"),
                         G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NONE, 5000, cancel_, &OnHostState,
                         this);
}

void StatusNotifierItem::OnHostState(GObject* source, GAsyncResult* result, gpointer self) {
  GVariant* reply = nullptr;
  if (!FinishCall(source, result, reply)) return;
  auto* item = static_cast<StatusNotifierItem*>(self);
  item->hostPresent_ = false;
  if (reply != nullptr) {
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    item->hostPresent_ =
        g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
    g_variant_unref(value);
    g_variant_unref(reply);
  }
}

void StatusNotifierItem::OnWatcherSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                         const gchar* signal, GVariant*, gpointer self) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  if (g_strcmp0(signal, "StatusNotifierHostRegistered") == 0) item->hostPresent_ = true;
  if (g_strcmp0(signal, "StatusNotifierHostUnregistered") == 0) item->AskHost();
}

void StatusNotifierItem::OnWatcherAppeared(GDBusConnection*, const gchar*, const gchar*,
                                           gpointer self) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  item->watcherPresent_ = true;
  item->registered_ = false;
  if (item->hooks_.onWatcherChanged) item->hooks_.onWatcherChanged();
}

void StatusNotifierItem::OnWatcherVanished(GDBusConnection*, const gchar*, gpointer self) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  item->watcherPresent_ = false;
  item->registered_ = false;
  item->hostPresent_ = false;
  if (item->hooks_.onWatcherChanged) item->hooks_.onWatcherChanged();
}

// Activate and SecondaryActivate are the left and right buttons on an XEmbed icon; a host that
// asks for the context menu instead of showing the item's own gets what the left button gives.
void StatusNotifierItem::OnMethod(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                  const gchar* method, GVariant*, GDBusMethodInvocation* invocation,
                                  gpointer self) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  g_dbus_method_invocation_return_value(invocation, nullptr);
  if (g_strcmp0(method, "Activate") == 0 || g_strcmp0(method, "ContextMenu") == 0) {
    item->Defer(false, static_cast<int>(PointerButton::kPrimary));
  } else if (g_strcmp0(method, "SecondaryActivate") == 0) {
    item->Defer(false, static_cast<int>(PointerButton::kSecondary));
  }
}

void StatusNotifierItem::Defer(bool command, int value) {
  deferred_.emplace_back(command, value);
  if (deferredSource_ == 0) deferredSource_ = g_idle_add(&RunDeferred, this);
}

gboolean StatusNotifierItem::RunDeferred(gpointer self) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  item->deferredSource_ = 0;
  // One at a time: each may end the program.
  if (item->deferred_.empty()) return G_SOURCE_REMOVE;
  auto [command, value] = item->deferred_.front();
  item->deferred_.erase(item->deferred_.begin());
  if (!item->deferred_.empty()) item->deferredSource_ = g_idle_add(&RunDeferred, item);
  if (command && item->hooks_.onCommand) item->hooks_.onCommand(value);
  if (!command && item->hooks_.onButton) item->hooks_.onButton(static_cast<PointerButton>(value));
  return G_SOURCE_REMOVE;
}

GVariant* StatusNotifierItem::OnProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                         const gchar* property, GError**, gpointer self) {
  auto* item = static_cast<StatusNotifierItem*>(self);
  const std::string_view name = property;
  if (name == "Category") return g_variant_new_string("ApplicationStatus");
  if (name == "Id") return g_variant_new_string("velloband");
  if (name == "Title") return g_variant_new_string(item->title_.c_str());
  if (name == "Status") return g_variant_new_string(item->wanted_ ? "Active" : "Passive");
  if (name == "WindowId") return g_variant_new_int32(0);
  if (name == "IconPixmap") return item->Pixmaps();
  if (name == "ToolTip") {
    return g_variant_new("(s@a(iiay)ss)", "", item->Pixmaps(), item->title_.c_str(),
                         item->tipText_.c_str());
  }
  if (name == "ItemIsMenu") return g_variant_new_boolean(FALSE);
  if (name == "Menu") return g_variant_new_object_path(kMenuPath);
  if (name.ends_with("Pixmap")) return EmptyPixmaps();
  return g_variant_new_string("");
}

}  // namespace vb
