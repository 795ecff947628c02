#include "ticker/ticker_window.h"

namespace vb {

// Gives the browser keyboard and wheel input while the mouse rests on it, without activating
// the bar: the bar borrows the foreground thread's input state and hands it back afterwards.
void TickerWindow::HoverTick() {
  const Point cursor = desktop_.CursorPosition();
  const WindowRef under = desktop_.WindowAt(cursor);
  if (browserReady_ && desktop_.IsInsideBrowser(under)) {
    if (focusAttached_) {
      desktop_.SetCursorPosition(cursor);
      return;
    }
    rememberedForeground_ = desktop_.ForegroundWindow();
    if (desktop_.AttachInputTo(rememberedForeground_)) {
      desktop_.FocusWindow(under);
      focusAttached_ = true;
      attachedTo_ = rememberedForeground_;
    }
  } else if (focusAttached_) {
    desktop_.ActivateWindow(rememberedForeground_);
    focusAttached_ = false;
    // A rotation step in between may have replaced the remembered window: detach from the
    // one the input was attached to, or that link would never be released.
    desktop_.DetachInputFrom(attachedTo_);
  }
}

}  // namespace vb
