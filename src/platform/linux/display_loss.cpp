#include "platform/linux/display_loss.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <unistd.h>

#include <cstdio>

namespace vb {
namespace {

std::function<void()>& LostHandler() {
  static std::function<void()> handler;
  return handler;
}

// Xlib ends the process when this returns, so it does not: the state is saved by then.
int DisplayLost(Display*) {
  static bool handling = false;
  if (!handling) {
    handling = true;
    if (LostHandler()) LostHandler()();
  }
  std::fflush(nullptr);
  _exit(0);
}

}  // namespace

void OnDisplayLoss(std::function<void()> onLost) {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return;
  LostHandler() = std::move(onLost);
  // In place of GDK's own, which ends the program with status 1 and saves nothing.
  XSetIOErrorHandler(&DisplayLost);
}

}  // namespace vb
