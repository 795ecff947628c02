#include <windows.h>

#include "platform/win32/win32_desktop.h"

namespace vb::win32 {
namespace {

constexpr const wchar_t* kBarTitle = L"Velloband V1.1";
constexpr UINT kRedrawEverything = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME;
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

}  // namespace

Win32Desktop::Win32Desktop(HINSTANCE instance) : instance_(instance) {
  // Tooltips, list boxes and the rest of the common controls must be registered before any of
  // them is created.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
}

Win32Desktop::~Win32Desktop() {
  TakeDownBar();
  if (iconBrush_ != nullptr) DeleteObject(iconBrush_);
}

// The loop can end with the bar still up (the import's OK, the session's end, a start-up that
// gave up): its tray icon and screen strip would outlive the program, and a late message would
// reach a ticker that is gone. The shutdown has run or was skipped on purpose, so the ticker
// hears nothing of this; the dialogs go with their owner while the ticker still exists.
void Win32Desktop::TakeDownBar() {
  if (bar_ == nullptr) return;
  events_ = nullptr;
  UnregisterAppBar();
  RemoveTrayIcon();
  DestroyWindow(bar_);
  bar_ = nullptr;
  browserHost_ = nullptr;
  browserDocument_ = nullptr;
  pageView_.reset();
}

bool Win32Desktop::RegisterBarClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = BarProcedure;
  windowClass.hInstance = instance_;
  windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  windowClass.lpszClassName = kBarTitle;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Win32Desktop::CreateBar(int width, int height, BarEvents& events) {
  if (!RegisterBarClass()) return false;
  events_ = &events;
  bar_ = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kBarTitle, kBarTitle,
                         WS_POPUP, 0, 0, width, height, nullptr, nullptr, instance_, this);
  if (bar_ == nullptr) events_ = nullptr;
  return bar_ != nullptr;
}

void Win32Desktop::DestroyBar() {
  if (bar_ != nullptr) DestroyWindow(bar_);
}

LRESULT CALLBACK Win32Desktop::BarProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* desktop = static_cast<Win32Desktop*>(creation->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(desktop));
    desktop->bar_ = window;
  }
  auto* desktop = reinterpret_cast<Win32Desktop*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (desktop == nullptr || desktop->events_ == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return desktop->HandleBarMessage(message, wParam, lParam);
}

LRESULT Win32Desktop::HandleBarMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  BarEvents& events = *events_;
  if (message == taskbarCreatedMessage_ && message != 0) {
    events.OnTaskbarCreated();
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      events.OnTimer(static_cast<int>(wParam));
      return 0;
    case WM_COMMAND:
      // Menu choices come without a control; the icon controls tell how they were pressed.
      if (lParam == 0) {
        events.OnCommand(LOWORD(wParam));
      } else if (HIWORD(wParam) == STN_CLICKED) {
        events.OnIconPressed(LOWORD(wParam), IconPress::kClick);
      } else if (HIWORD(wParam) == STN_DBLCLK) {
        events.OnIconPressed(LOWORD(wParam), IconPress::kDoubleClick);
      }
      break;
    case kTrayCallbackMessage:
      if (lParam == WM_LBUTTONDOWN) events.OnTrayIconPressed(PointerButton::kPrimary);
      if (lParam == WM_RBUTTONDOWN) events.OnTrayIconPressed(PointerButton::kSecondary);
      return 0;
    case kAppBarCallbackMessage:
      if (wParam == ABN_STATECHANGE) {
        events.OnAppBarNotice(AppBarNotice::kTaskbarStateChanged, TaskbarAlwaysOnTop());
      }
      if (wParam == ABN_POSCHANGED) {
        events.OnAppBarNotice(AppBarNotice::kPositionChanged, TaskbarAlwaysOnTop());
      }
      if (wParam == ABN_FULLSCREENAPP) {
        const AppBarNotice notice =
            lParam != 0 ? AppBarNotice::kFullScreenOpened : AppBarNotice::kFullScreenClosed;
        events.OnAppBarNotice(notice, TaskbarAlwaysOnTop());
      }
      return 0;
    case WM_ACTIVATE:
      TellShell(ABM_ACTIVATE);
      break;
    case WM_WINDOWPOSCHANGED:
      TellShell(ABM_WINDOWPOSCHANGED);
      break;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(IconControlBrush(reinterpret_cast<HDC>(wParam)));
    case WM_CLOSE:
      events.OnClose();
      return 0;
    case WM_ENDSESSION:
      events.OnSessionEnd();
      return 0;
    case WM_DESTROY:
      events.OnDestroy();
      return 0;
    case WM_NCDESTROY: {
      const HWND window = bar_;
      bar_ = nullptr;
      events_ = nullptr;
      browserHost_ = nullptr;
      browserDocument_ = nullptr;
      pageView_.reset();
      return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(bar_, message, wParam, lParam);
}

HBRUSH Win32Desktop::IconControlBrush(HDC context) {
  const IconColours colours = events_->IconControlColours();
  SetBkColor(context, colours.background);
  SetTextColor(context, colours.text);
  if (colours.background == RGB(0, 0, 0)) return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  if (iconBrush_ == nullptr || iconBrushColour_ != colours.background) {
    if (iconBrush_ != nullptr) DeleteObject(iconBrush_);
    iconBrush_ = CreateSolidBrush(colours.background);
    iconBrushColour_ = colours.background;
  }
  return iconBrush_;
}

void Win32Desktop::ShowBar() {
  ShowWindow(bar_, SW_SHOWNORMAL);
}

void Win32Desktop::HideBar() {
  ShowWindow(bar_, SW_HIDE);
}

bool Win32Desktop::IsBarVisible() const {
  return bar_ != nullptr && IsWindowVisible(bar_);
}

void Win32Desktop::MoveBar(int x, int y) {
  SetWindowPos(bar_, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

void Win32Desktop::MoveAndShowBar(int x, int y) {
  SetWindowPos(bar_, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void Win32Desktop::ResizeAndShowBar(int width, int height) {
  SetWindowPos(bar_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

Rect Win32Desktop::BarRect() const {
  RECT rect{};
  GetWindowRect(bar_, &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Desktop::SetBarTopmost() {
  SetWindowPos(bar_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Desktop::SetBarBottom() {
  SetWindowPos(bar_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Desktop::DragBar() {
  // Dragged as by its caption, which needs the bar in the foreground first.
  SetForegroundWindow(bar_);
  SendMessageW(bar_, WM_SYSCOMMAND, kMoveByCaption, 0);
}

bool Win32Desktop::LayeredWindowsAvailable() const {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return false;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
}

void Win32Desktop::SetBarLayered(bool layered) {
  const LONG_PTR style = GetWindowLongPtrW(bar_, GWL_EXSTYLE);
  SetWindowLongPtrW(bar_, GWL_EXSTYLE,
                    layered ? (style | WS_EX_LAYERED) : (style & ~LONG_PTR{WS_EX_LAYERED}));
}

void Win32Desktop::SetBarTransparency(const Transparency& transparency) {
  const bool keyed = transparency.kind == Transparency::Kind::kColourKey;
  SetLayeredWindowAttributes(bar_, transparency.colourKey, static_cast<BYTE>(transparency.opacity),
                             keyed ? LWA_COLORKEY : LWA_ALPHA);
}

void Win32Desktop::RedrawBar() {
  RedrawWindow(bar_, nullptr, nullptr, kRedrawEverything);
}

void Win32Desktop::CreateIconControl(int controlId, int x, int y, int iconResourceId) {
  const HWND control = CreateWindowExW(
      0, L"Static", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_ICON, x, y, 0, 0,
      bar_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance_, nullptr);
  if (control == nullptr) return;
  iconControls_[controlId] = control;
  const HANDLE icon =
      LoadImageW(instance_, MAKEINTRESOURCEW(iconResourceId), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR);
  if (icon != nullptr) SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

}  // namespace vb::win32
