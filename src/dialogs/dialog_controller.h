#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dialogs/bar_link.h"
#include "dialogs/dialog_view.h"
#include "settings/autostart.h"
#include "settings/channel_table.h"
#include "settings/ticker_settings.h"

namespace vb {

// What the dialogs read and change.
struct DialogContext {
  TickerSettings& settings;
  ChannelStore& channels;
  Autostart& autostart;
  BarLink& bar;
  // What the import and export fields show while their setting is empty.
  std::string settingsCopySuggestion;
};

// The logic of one open dialog. The desktop owns it together with its window: it calls OnInit
// once the controls exist, OnCommand for every control notification, and destroys the
// controller when the window is gone.
class DialogController {
 public:
  virtual ~DialogController() = default;
  virtual void OnInit() = 0;
  virtual void OnCommand(int control, int notification) = 0;
};

// Notification codes that the dialogs act on (list box and button).
inline constexpr int kNotifyClicked = 0;      // BN_CLICKED
inline constexpr int kNotifySelChange = 1;    // LBN_SELCHANGE
inline constexpr int kNotifyDoubleClick = 2;  // LBN_DBLCLK

// Builds the controller of one dialog: how the desktop turns a new dialog window into a live
// dialog.
using DialogFactory = std::function<std::unique_ptr<DialogController>(DialogView&)>;

}  // namespace vb
