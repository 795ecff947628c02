#include <windows.h>
// The other system headers build on windows.h.
#include <shellapi.h>

#include "platform/win32/code_page.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/win32_desktop.h"

namespace vb::win32 {
namespace {

void ForgetDialog(HWND window, void* desktop) {
  static_cast<std::set<HWND>*>(desktop)->erase(window);
}

}  // namespace

DialogView* Win32Desktop::OpenDialog(int resourceId, int x, int y, DialogFactory factory) {
  DialogWindow* dialog = DialogWindow::Create(instance_, resourceId, bar_, std::move(factory),
                                              ForgetDialog, &openDialogs_);
  if (dialog == nullptr) return nullptr;
  openDialogs_.insert(dialog->window());
  SetWindowPos(dialog->window(), nullptr, x, y, 0, 0, SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOSIZE);
  return dialog;
}

Answer Win32Desktop::AskOkCancel(std::string_view text, std::string_view caption) {
  const int button = MessageBoxW(nullptr, WideFrom936(text).c_str(), WideFrom936(caption).c_str(),
                                 MB_OKCANCEL | MB_ICONERROR);
  return button == IDOK ? Answer::kOk : Answer::kCancel;
}

void Win32Desktop::OpenAddress(std::string_view url) {
  ShellExecuteW(nullptr, L"open", L"explorer", WideFrom936(url).c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace vb::win32
