#include "platform/linux/system_tray.h"

#include <gdk/gdkx.h>

#include <vector>

#include "platform/linux/icon_art.h"

namespace vb {
namespace {

constexpr int kXembedPixels = 16;
// Panels pick the size nearest their own.
constexpr int kItemPixels[] = {16, 22, 32, 48};

bool OnX11() {
  GdkDisplay* display = gdk_display_get_default();
  return display != nullptr && GDK_IS_X11_DISPLAY(display);
}

}  // namespace

SystemTray::SystemTray(std::function<void(PointerButton)> onButton,
                       std::function<void(int)> onCommand)
    : xembed_(onButton), item_({onButton, std::move(onCommand), [this] { Place(); }}) {}

void SystemTray::Add(int iconResourceId, std::string_view tip, const res::MenuItem& menu) {
  wanted_ = Wanted{iconResourceId, std::string(tip)};
  if (!itemStarted_) {
    // Until the bus says whether a watcher is there, neither icon is shown.
    itemStarted_ = item_.Start(menu);
    if (itemStarted_) return;
  }
  Place();
}

void SystemTray::Remove() {
  wanted_.reset();
  item_.Hide();
  xembed_.Remove();
}

void SystemTray::Place() {
  if (!wanted_) return;
  if (item_.WatcherPresent()) {
    xembed_.Remove();
    std::vector<GdkPixbuf*> icons;
    for (int size : kItemPixels) icons.push_back(IconPixbuf(wanted_->iconResourceId, size));
    item_.Show(icons, wanted_->tip);
    for (GdkPixbuf* icon : icons) {
      if (icon != nullptr) g_object_unref(icon);
    }
    return;
  }
  item_.Hide();
  if (!OnX11()) return;
  GdkPixbuf* icon = IconPixbuf(wanted_->iconResourceId, kXembedPixels);
  xembed_.Add(icon, wanted_->tip);
  if (icon != nullptr) g_object_unref(icon);
}

}  // namespace vb
