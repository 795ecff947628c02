#include <windows.h>
// The other system headers build on windows.h.
#include <objbase.h>

#include "platform/win32/code_page.h"
#include "platform/win32/win32_desktop.h"

namespace vb::win32 {
namespace {

constexpr WPARAM kBrowserRefreshCommand = 6042;
constexpr const wchar_t* kPageHostClass = L"Velloband Page Host";
// The HTML document of the system's browser engine.
constexpr CLSID kHtmlDocument = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

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

// The browser control comes up without its HTML engine too (on systems stripped of their
// browser components, or under Wine without one) and then never shows a page.
bool HoldsBrowser(HWND host) {
  if (FindWindowExW(host, nullptr, L"Shell Embedding", nullptr) == nullptr) return false;
  IUnknown* document = nullptr;
  if (FAILED(CoCreateInstance(kHtmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                              reinterpret_cast<void**>(&document)))) {
    return false;
  }
  document->Release();
  return true;
}

// The page view's host is a plain child of the bar that the view fills, so that the view is a
// descendant of the host as the browser's windows are.
LRESULT CALLBACK PageHostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    if (const HWND view = GetWindow(window, GW_CHILD)) {
      MoveWindow(view, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    }
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreatePageHost(HINSTANCE instance, HWND bar, const std::wstring& pageFile, int width,
                    int height) {
  static const bool registered = [instance] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PageHostProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kPageHostClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) return nullptr;
  return CreateWindowExW(0, kPageHostClass, pageFile.c_str(),
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, width,
                         height, bar, nullptr, instance, nullptr);
}

}  // namespace

bool Win32Desktop::ShowPage(const std::string& pageFile, int width, int height) {
  if (bar_ == nullptr) return false;
  RegisterControlHostClass();
  const std::wstring widePageFile = WideFrom936(pageFile);
  browserHost_ =
      CreateWindowExW(0, L"AtlAxWin", widePageFile.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                      0, 0, width, height, bar_, nullptr, instance_, nullptr);
  if (browserHost_ != nullptr && HoldsBrowser(browserHost_)) return true;
  // Without the browser the portable page view shows the page.
  if (browserHost_ != nullptr) DestroyWindow(browserHost_);
  browserHost_ = CreatePageHost(instance_, bar_, widePageFile, width, height);
  if (browserHost_ != nullptr)
    pageView_ = PageViewWindow::Create(instance_, browserHost_, pageFile);
  if (pageView_ == nullptr && browserHost_ != nullptr) {
    DestroyWindow(browserHost_);
    browserHost_ = nullptr;
  }
  return browserHost_ != nullptr;
}

void Win32Desktop::ResizePage(int width, int height) {
  SetWindowPos(browserHost_, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

bool Win32Desktop::PageReady() {
  if (pageView_ != nullptr) return true;
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
  if (pageView_ != nullptr) {
    pageView_->Reload();
  } else if (browserDocument_ != nullptr) {
    SendMessageW(browserDocument_, WM_COMMAND, kBrowserRefreshCommand, 0);
  }
}

}  // namespace vb::win32
