#include "platform/linux/wayland_probe.h"

#include <wayland-client.h>

#include <cstdlib>
#include <cstring>

namespace vb {
namespace {

void OnGlobal(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
  if (std::strcmp(interface, "zwlr_layer_shell_v1") == 0) {
    static_cast<WaylandOffer*>(data)->layerShell = true;
  }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener{&OnGlobal, &OnGlobalRemove};

}  // namespace

WaylandOffer ProbeWayland() {
  WaylandOffer offer;
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (name == nullptr || *name == '\0') return offer;
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return offer;
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, &offer);
  offer.reached = wl_display_roundtrip(display) >= 0;
  if (!offer.reached) offer.layerShell = false;
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return offer;
}

}  // namespace vb
