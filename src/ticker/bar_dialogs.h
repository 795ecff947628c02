#pragma once

#include "dialogs/dialog_controller.h"
#include "settings/ticker_settings.h"
#include "ticker/desktop.h"

namespace vb {

// The bar's dialogs: any number of each, but one configuration dialog at a time, which the
// transparency commands keep up to date.
class BarDialogs {
 public:
  BarDialogs(DialogsAndShell& shell, DialogContext context)
      : shell_(shell), context_(std::move(context)) {}
  BarDialogs(const BarDialogs&) = delete;
  BarDialogs& operator=(const BarDialogs&) = delete;

  void OpenConfig();
  void Open(int resourceId, int x, int y);
  // The configuration dialog, when open, shows `mode` as the bar's transparency.
  void ShowTransparency(TransparencyMode mode);

 private:
  DialogsAndShell& shell_;
  DialogContext context_;
  DialogView* config_ = nullptr;
};

}  // namespace vb
