#pragma once

#include <windows.h>

#include <memory>

#include "dialogs/dialog_controller.h"
#include "dialogs/dialog_view.h"

namespace vb::win32 {

// One modeless dialog made from a resource: the view over its controls (texts converted between
// code page 936 and the wide functions) and the controller that the factory made for it. Owned
// by its window and deleted when the window is gone, but never while the controller is still
// running the notification that closed it.
class DialogWindow final : public DialogView {
 public:
  // Creates the dialog owned by `owner`; nullptr when it cannot be created. `onGone` is told
  // when the window is destroyed.
  static DialogWindow* Create(HINSTANCE instance, int resourceId, HWND owner, DialogFactory factory,
                              void (*onGone)(HWND, void*), void* context);

  HWND window() const { return window_; }

  std::string Text(int control) const override;
  void SetText(int control, std::string_view text) override;
  bool Checked(int control) const override;
  void SetChecked(int control, bool checked) override;
  void Enable(int control, bool enabled) override;
  void AddRow(int control, std::string_view text) override;
  void SetRow(int control, int row, std::string_view text) override;
  void RemoveRow(int control, int row) override;
  int SelectedRow(int control) const override;
  void SelectRow(int control, int row) override;
  void Close() override;

 private:
  DialogWindow() = default;
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Dispatch(int control, int notification);
  void DeleteWhenIdle();

  HWND window_ = nullptr;
  DialogFactory factory_;
  std::unique_ptr<DialogController> controller_;
  void (*onGone_)(HWND, void*) = nullptr;
  void* context_ = nullptr;
  int running_ = 0;    // notifications the controller is still handling
  bool gone_ = false;  // the window was destroyed
};

}  // namespace vb::win32
