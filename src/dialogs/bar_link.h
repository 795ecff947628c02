#pragma once

namespace vb {

// What a dialog asks of the bar. The bar implements it; each request runs synchronously.
class BarLink {
 public:
  virtual ~BarLink() = default;

  // A bar command as from the menu (the transparency commands, for instance).
  virtual void SendCommand(int commandId) = 0;
  // An immediate rotation step: render, reload, advance, fetch.
  virtual void RequestRotationStep() = 0;
  // Restarts the rotation timer with the settings' rotation period.
  virtual void RestartRotationTimer() = 0;
  // Fits the docked strip to the bar's new height.
  virtual void ResizeAppBarStrip() = 0;
  // Resizes the browser host, then the bar, to BarWidth x BarHeight in place, and shows the bar.
  virtual void ResizeAndShowBar() = 0;
  // Ends the message loop without the bar's close handling.
  virtual void Quit() = 0;
};

}  // namespace vb
