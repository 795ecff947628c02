#include <windows.h>

#include "platform/win32/code_page.h"
#include "platform/win32/win32_desktop.h"

namespace vb::win32 {

bool Win32Desktop::WindowTitledExists(std::string_view title) const {
  return FindWindowW(nullptr, WideFrom936(title).c_str()) != nullptr;
}

Size Win32Desktop::ScreenSize() const {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Desktop::TrimMemory() {
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

bool Win32Desktop::FileExists(const std::string& path) const {
  const std::wstring widePath = WideFrom936(path);
  return !widePath.empty() && GetFileAttributesW(widePath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32Desktop::DeleteFileAt(const std::string& path) {
  const std::wstring widePath = WideFrom936(path);
  if (!widePath.empty()) DeleteFileW(widePath.c_str());
}

void Win32Desktop::SetTimer(int timerId, int periodMs) {
  ::SetTimer(bar_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(periodMs), nullptr);
}

void Win32Desktop::KillTimer(int timerId) {
  ::KillTimer(bar_, static_cast<UINT_PTR>(timerId));
}

int Win32Desktop::RunLoop() {
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0 && got != -1) {
    // Gives the modeless dialogs their keyboard handling (Tab, Enter, Escape).
    const HWND dialog = GetAncestor(message.hwnd, GA_ROOT);
    if (dialog != nullptr && openDialogs_.count(dialog) != 0 &&
        IsDialogMessageW(dialog, &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  TakeDownBar();
  return got == 0 ? static_cast<int>(message.wParam) : 0;
}

void Win32Desktop::QuitLoop(int exitCode) {
  PostQuitMessage(exitCode);
}

}  // namespace vb::win32
