#include <windows.h>

#include "platform/win32/code_page.h"
#include "platform/win32/win32_desktop.h"

namespace vb::win32 {
namespace {

constexpr WPARAM kBrowserRefreshCommand = 6042;

// MinGW has no ATL to link against; the system's ATL hosts the browser control all the same.
bool RegisterControlHostClass() {
  static const bool registered = [] {
    const HMODULE atl = LoadLibraryW(L"atl.dll");
    if (atl == nullptr) return false;
    using AtlAxWinInitFunction = BOOL(WINAPI*)();
    // Through a generic function pointer, which any function pointer type converts from.
    const auto init = reinterpret_cast<AtlAxWinInitFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(atl, "AtlAxWinInit")));
    return init != nullptr && init() != FALSE;
  }();
  return registered;
}

}  // namespace

bool Win32Desktop::CreateBrowserHost(const std::string& pageFile, int width, int height) {
  if (bar_ == nullptr) return false;
  RegisterControlHostClass();
  browserHost_ = CreateWindowExW(0, L"AtlAxWin", WideFrom936(pageFile).c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, width, height, bar_,
                                 nullptr, instance_, nullptr);
  return browserHost_ != nullptr;
}

void Win32Desktop::ResizeAndShowBrowserHost(int width, int height) {
  SetWindowPos(browserHost_, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

bool Win32Desktop::FindBrowserDocument() {
  if (browserDocument_ != nullptr && IsWindow(browserDocument_)) return true;
  browserDocument_ = nullptr;
  if (browserHost_ == nullptr) return false;
  HWND window = browserHost_;
  for (const wchar_t* className :
       {L"Shell Embedding", L"Shell DocObject View", L"Internet Explorer_Server"}) {
    window = FindWindowExW(window, nullptr, className, nullptr);
    if (window == nullptr) return false;
  }
  browserDocument_ = window;
  return true;
}

void Win32Desktop::ReloadPage() {
  if (browserDocument_ != nullptr) {
    SendMessageW(browserDocument_, WM_COMMAND, kBrowserRefreshCommand, 0);
  }
}

}  // namespace vb::win32
