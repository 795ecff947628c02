#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/linux/status_notifier_item.h"
#include "platform/linux/tray_icon.h"

namespace vb {

// The bar's tray icon wherever the desktop has a place for one: a StatusNotifierItem while a
// watcher is on the session bus, otherwise the XEmbed icon (on X only). Either way the left
// and right buttons (Activate and SecondaryActivate) reach `onButton`; the item's menu, which
// its panel shows, reports the chosen command to `onCommand`.
class SystemTray {
 public:
  SystemTray(std::function<void(PointerButton)> onButton, std::function<void(int)> onCommand);
  SystemTray(const SystemTray&) = delete;
  SystemTray& operator=(const SystemTray&) = delete;

  // Shows the icon with a tip in UTF-8 and the entries of `menu`.
  void Add(int iconResourceId, std::string_view tip, const res::MenuItem& menu);
  void Remove();
  // Whether a panel really shows the icon.
  bool Shown() const { return item_.Shown() || xembed_.Embedded(); }

 private:
  void Place();

  struct Wanted {
    int iconResourceId;
    std::string tip;
  };
  TrayIcon xembed_;
  StatusNotifierItem item_;
  std::optional<Wanted> wanted_;
  bool itemStarted_ = false;
};

}  // namespace vb
