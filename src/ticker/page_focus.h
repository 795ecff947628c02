#pragma once

#include "ticker/desktop.h"

namespace vb {

// Who holds the keyboard around the page: while the pointer rests on the page the keyboard is
// lent to it without activating the bar, and a reload gives back the activation it took. Where
// the desktop lends no keyboard, both leave the keyboard alone.
class PageFocus {
 public:
  PageFocus(Pointer& pointer, PageHost& page, KeyboardLoan* keyboard, WindowRef foregroundAtStart)
      : pointer_(pointer), page_(page), keyboard_(keyboard), remembered_(foregroundAtStart) {}

  // From now on the page can be reloaded and lent the keyboard.
  void PageShown() { pageShown_ = true; }
  bool PointerOnPage() const;
  // The hover timer's work.
  void HoverTick();
  void ReloadPage();

  bool loaned() const { return loaned_; }

 private:
  Pointer& pointer_;
  PageHost& page_;
  KeyboardLoan* keyboard_;
  bool pageShown_ = false;
  bool loaned_ = false;
  // The window to give the activation back to.
  WindowRef remembered_;
  // The foreground window of the loan in force: a reload since may have replaced remembered_.
  WindowRef loanedFrom_{};
};

}  // namespace vb
