#include "platform/win32/dialog_window.h"

#include "platform/win32/code_page.h"

namespace vb::win32 {

DialogWindow* DialogWindow::Create(HINSTANCE instance, int resourceId, HWND owner,
                                   DialogFactory factory, void (*onGone)(HWND, void*),
                                   void* context) {
  auto* dialog = new (std::nothrow) DialogWindow;
  if (dialog == nullptr) return nullptr;
  dialog->factory_ = std::move(factory);
  dialog->onGone_ = onGone;
  dialog->context_ = context;
  // Held busy while the window is made, so that a window destroyed during its own
  // initialisation does not take the object with it before this function is done with it.
  ++dialog->running_;
  const HWND window = CreateDialogParamW(instance, MAKEINTRESOURCEW(resourceId), owner, Procedure,
                                         reinterpret_cast<LPARAM>(dialog));
  --dialog->running_;
  if (window == nullptr || dialog->gone_) {
    // The window never came to be, or its initialisation closed it again.
    dialog->gone_ = true;
    dialog->DeleteWhenIdle();
    return nullptr;
  }
  return dialog;
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<DialogWindow*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    dialog->window_ = window;
    ++dialog->running_;
    dialog->controller_ = dialog->factory_ ? dialog->factory_(*dialog) : nullptr;
    if (dialog->controller_ != nullptr) dialog->controller_->OnInit();
    --dialog->running_;
    return TRUE;
  }
  auto* dialog = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      dialog->Dispatch(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      // The title bar's close box (and Escape) act as the Cancel button.
      dialog->Dispatch(IDCANCEL, BN_CLICKED);
      return TRUE;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, DWLP_USER, 0);
      dialog->gone_ = true;
      if (dialog->onGone_ != nullptr) dialog->onGone_(window, dialog->context_);
      dialog->DeleteWhenIdle();
      return FALSE;
    default:
      return FALSE;
  }
}

void DialogWindow::Dispatch(int control, int notification) {
  if (controller_ == nullptr) return;
  ++running_;
  controller_->OnCommand(control, notification);
  --running_;
  DeleteWhenIdle();
}

void DialogWindow::DeleteWhenIdle() {
  if (gone_ && running_ == 0) delete this;
}

std::string DialogWindow::Text(int control) const {
  const HWND item = GetDlgItem(window_, control);
  const int length = GetWindowTextLengthW(item);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(item, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return NarrowTo936(text);
}

void DialogWindow::SetText(int control, std::string_view text) {
  SetDlgItemTextW(window_, control, WideFrom936(text).c_str());
}

bool DialogWindow::Checked(int control) const {
  return IsDlgButtonChecked(window_, control) == BST_CHECKED;
}

void DialogWindow::SetChecked(int control, bool checked) {
  CheckDlgButton(window_, control, checked ? BST_CHECKED : BST_UNCHECKED);
}

void DialogWindow::Enable(int control, bool enabled) {
  EnableWindow(GetDlgItem(window_, control), enabled ? TRUE : FALSE);
}

void DialogWindow::AddRow(int control, std::string_view text) {
  SendDlgItemMessageW(window_, control, LB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(WideFrom936(text).c_str()));
}

void DialogWindow::SetRow(int control, int row, std::string_view text) {
  const int count = static_cast<int>(SendDlgItemMessageW(window_, control, LB_GETCOUNT, 0, 0));
  if (row < 0 || row >= count) return;
  SendDlgItemMessageW(window_, control, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
  SendDlgItemMessageW(window_, control, LB_INSERTSTRING, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(WideFrom936(text).c_str()));
}

void DialogWindow::RemoveRow(int control, int row) {
  if (row < 0) return;
  SendDlgItemMessageW(window_, control, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
}

int DialogWindow::SelectedRow(int control) const {
  const LRESULT row = SendDlgItemMessageW(window_, control, LB_GETCURSEL, 0, 0);
  return row == LB_ERR ? -1 : static_cast<int>(row);
}

void DialogWindow::SelectRow(int control, int row) {
  SendDlgItemMessageW(window_, control, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void DialogWindow::Close() {
  if (!gone_ && window_ != nullptr) DestroyWindow(window_);
}

}  // namespace vb::win32
