#include "ticker/page_focus.h"

namespace vb {

bool PageFocus::PointerOnPage() const {
  return page_.IsOnPage(pointer_.WindowAt(pointer_.CursorPosition()));
}

// A page that has no use for keys is lent none.
void PageFocus::HoverTick() {
  if (keyboard_ == nullptr) return;
  const Point cursor = pointer_.CursorPosition();
  const WindowRef under = pointer_.WindowAt(cursor);
  if (pageShown_ && page_.IsOnPage(under)) {
    if (loaned_) {
      keyboard_->SetCursorPosition(cursor);
      return;
    }
    remembered_ = keyboard_->ForegroundWindow();
    if (keyboard_->LendKeyboardToPage(remembered_, under)) {
      loaned_ = true;
      loanedFrom_ = remembered_;
    }
  } else if (loaned_) {
    // Only a keyboard the bar still holds goes back: a window that took it meanwhile (the
    // browser that a click on a headline opened) keeps it.
    if (keyboard_->BarHasKeyboard()) keyboard_->ActivateWindow(remembered_);
    loaned_ = false;
    keyboard_->EndKeyboardLoan(loanedFrom_);
  }
}

void PageFocus::ReloadPage() {
  if (!pageShown_ || !page_.PageReady()) return;
  if (keyboard_ == nullptr) return page_.ReloadPage();
  // Reloading may take the activation; give it back to whoever had it, but only if it did.
  remembered_ = keyboard_->ForegroundWindow();
  page_.ReloadPage();
  if (keyboard_->BarHasKeyboard()) keyboard_->ActivateWindow(remembered_);
}

}  // namespace vb
