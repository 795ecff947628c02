#include "ticker/ticker_window.h"

namespace vb {

// Lends the page the keyboard and wheel while the mouse rests on it, without activating the
// bar, and ends the loan when the mouse leaves. A page that has no use for keys is lent none.
void TickerWindow::HoverTick() {
  const Point cursor = desktop_.CursorPosition();
  const WindowRef under = desktop_.WindowAt(cursor);
  if (browserReady_ && desktop_.IsOnPage(under)) {
    if (focusAttached_) {
      desktop_.SetCursorPosition(cursor);
      return;
    }
    rememberedForeground_ = desktop_.ForegroundWindow();
    if (desktop_.LendKeyboardToPage(rememberedForeground_, under)) {
      focusAttached_ = true;
      attachedTo_ = rememberedForeground_;
    }
  } else if (focusAttached_) {
    // Only a keyboard the bar still holds goes back: a window that took it meanwhile (the
    // browser that a click on a headline opened) keeps it.
    if (desktop_.BarHasKeyboard()) desktop_.ActivateWindow(rememberedForeground_);
    focusAttached_ = false;
    // A rotation step in between may have replaced the remembered window: detach from the
    // one the input was attached to, or that link would never be released.
    desktop_.EndKeyboardLoan(attachedTo_);
  }
}

}  // namespace vb
