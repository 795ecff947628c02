#pragma once

#include "ticker/desktop_types.h"

namespace vb {

// What happens to the bar, as the desktop delivers it to the ticker. Handed to CreateBar; the
// desktop calls these on the user-interface thread, also while modal loops (menu, drag) run.
class BarEvents {
 public:
  virtual ~BarEvents() = default;

  virtual void OnTimer(int timerId) = 0;
  // A menu choice: the command id.
  virtual void OnCommand(int commandId) = 0;
  // An icon control was clicked or double-clicked.
  virtual void OnIconPressed(int controlId, IconPress press) = 0;
  // A button went down on the tray icon.
  virtual void OnTrayIconPressed(PointerButton button) = 0;
  // The shell (taskbar) was restarted: the tray icon has to be added again.
  virtual void OnTaskbarCreated() = 0;
  // The shell's word to a docked bar, with whether the taskbar keeps above other windows now
  // (asked of the shell when the notice came; a desktop without the notion says true).
  virtual void OnAppBarNotice(AppBarNotice notice, bool taskbarOnTop) = 0;
  // Asked to close: the ticker shuts down and destroys the bar itself.
  virtual void OnClose() = 0;
  // The bar window is being destroyed, or the session ends. Either runs the shutdown handling
  // once; it ends the loop.
  virtual void OnDestroy() = 0;
  virtual void OnSessionEnd() = 0;
  // Colours for painting the icon controls, asked whenever they are painted.
  virtual IconColours IconControlColours() const = 0;
};

}  // namespace vb
