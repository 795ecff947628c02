#include "platform/win32/page_view_window.h"

#include <windows.h>
// The other system headers build on windows.h.
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <chrono>
#include <climits>

#include "pageview/page_links.h"
#include "pageview/page_reader.h"
#include "pageview/page_text.h"
#include "platform/win32/code_page.h"

namespace vb::win32 {
namespace {

constexpr const wchar_t* kViewClass = L"Velloband Page";
constexpr UINT_PTR kStepTimer = 1;
// Long summaries wrap at this width, and their line feeds start new lines.
constexpr int kTipWidth = 480;

std::int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::wstring TipText(const PageRun& run) {
  std::wstring text;
  for (wchar_t c : WideFrom936(ReadableTooltip(run.tooltip))) {
    if (c == L'\n') text += L'\r';
    text += c;
  }
  return text;
}

}  // namespace

std::unique_ptr<PageViewWindow> PageViewWindow::Create(HINSTANCE instance, HWND parent,
                                                       std::string pageFile) {
  static const bool registered = [instance] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kViewClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) return nullptr;
  std::unique_ptr<PageViewWindow> view(new PageViewWindow(std::move(pageFile)));
  RECT area{};
  GetClientRect(parent, &area);
  CreateWindowExW(0, kViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, area.right, area.bottom, parent,
                  nullptr, instance, view.get());
  if (view->window_ == nullptr) return nullptr;
  view->CreateTooltip(instance);
  view->Reload();
  return view;
}

PageViewWindow::~PageViewWindow() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  Release();
}

void PageViewWindow::Release() {
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
  tooltip_ = nullptr;
  DropBackBuffer();
}

void PageViewWindow::DropBackBuffer() {
  if (backBuffer_ == nullptr) return;
  SelectObject(backBuffer_, oldBitmap_);
  if (backBitmap_ != nullptr) DeleteObject(backBitmap_);
  DeleteDC(backBuffer_);
  backBuffer_ = nullptr;
  backBitmap_ = nullptr;
}

// The bar never becomes the active window, so the tip must show for an inactive one; it lets
// the pointer through, or showing it under the pointer would count as leaving the page.
void PageViewWindow::CreateTooltip(HINSTANCE instance) {
  tooltip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                      0, 0, 0, 0, window_, nullptr, instance, nullptr);
  if (tooltip_ == nullptr) return;
  TTTOOLINFOW tool = Tool();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
}

TTTOOLINFOW PageViewWindow::Tool() {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = tipText_.data();
  return tool;
}

void PageViewWindow::Reload() {
  RECT area{};
  GetClientRect(window_, &area);
  width_ = area.right;
  height_ = area.bottom;
  view_.Show(ReadPageFile(pageFile_).value_or(PageModel{}), text_, width_, height_, NowMs());
  text_.TakeTexts(view_.Layout());
  picture_.Take(view_.Model().head.picture, view_.Background().value_or(0xFFFFFF));
  tipRun_ = nullptr;
  SetTip(L"");
  ScheduleStep();
  Redraw();
}

void PageViewWindow::Resized(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  view_.Resize(text_, width, height);
  text_.TakeTexts(view_.Layout());
  DropBackBuffer();
  Redraw();
}

void PageViewWindow::Redraw() {
  InvalidateRect(window_, nullptr, FALSE);
}

void PageViewWindow::Paint() {
  PAINTSTRUCT paint{};
  const HDC screen = BeginPaint(window_, &paint);
  if (backBuffer_ == nullptr) {
    backBuffer_ = CreateCompatibleDC(screen);
    backBitmap_ = CreateCompatibleBitmap(screen, std::max(1, width_), std::max(1, height_));
    if (backBuffer_ != nullptr) oldBitmap_ = SelectObject(backBuffer_, backBitmap_);
  }
  if (backBuffer_ != nullptr && backBitmap_ != nullptr) {
    text_.Paint(backBuffer_, view_, width_, height_, picture_.Brush());
    BitBlt(screen, 0, 0, width_, height_, backBuffer_, 0, 0, SRCCOPY);
  }
  EndPaint(window_, &paint);
}

void PageViewWindow::Step() {
  if (view_.Advance(NowMs())) Redraw();
  ScheduleStep();
}

void PageViewWindow::ScheduleStep() {
  const std::optional<std::int64_t> next = view_.NextStepAt();
  if (!next) {
    KillTimer(window_, kStepTimer);
    return;
  }
  const std::int64_t wait = std::clamp<std::int64_t>(*next - NowMs(), USER_TIMER_MINIMUM, INT_MAX);
  SetTimer(window_, kStepTimer, static_cast<UINT>(wait), nullptr);
}

void PageViewWindow::PointerMoved(int x, int y) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  // Steps that are due come first: a pointer moving on and on would otherwise keep putting the
  // timer off.
  const std::int64_t now = NowMs();
  const bool moved = view_.Advance(now);
  if (view_.PointerAt(x, y, now) || moved) Redraw();
  ShowTipOf(view_.RunAt(x, y));
  ScheduleStep();
}

void PageViewWindow::PointerLeft() {
  trackingLeave_ = false;
  pressed_ = false;
  const std::int64_t now = NowMs();
  const bool moved = view_.Advance(now);
  if (view_.PointerLeft(now) || moved) Redraw();
  ShowTipOf(nullptr);
  ScheduleStep();
}

void PageViewWindow::Clicked(int x, int y) {
  const std::optional<std::string> address = view_.Click(x, y);
  if (!address) return;
  Redraw();  // the link is visited now
  if (const std::optional<std::string> open = AddressToOpen(*address)) {
    ShellExecuteW(nullptr, L"open", WideFrom936(*open).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
}

bool PageViewWindow::OverLink(POINT at) const {
  if (view_.HitTest(at.x, at.y).where == PageHit::Where::kControl) return true;
  const PageRun* run = view_.RunAt(at.x, at.y);
  return run != nullptr && !run->address.empty();
}

void PageViewWindow::ShowTipOf(const PageRun* run) {
  if (run == tipRun_) return;
  tipRun_ = run;
  SetTip(run != nullptr ? TipText(*run) : std::wstring());
}

// A new text waits for the pointer to rest again, as a browser's link titles do.
void PageViewWindow::SetTip(std::wstring text) {
  if (tooltip_ == nullptr) return;
  tipText_ = std::move(text);
  SendMessageW(tooltip_, TTM_POP, 0, 0);
  TTTOOLINFOW tool = Tool();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CALLBACK PageViewWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* view = static_cast<PageViewWindow*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    view->window_ = window;
  }
  auto* view = reinterpret_cast<PageViewWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (view == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return view->Handle(message, wParam, lParam);
}

LRESULT PageViewWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Resized(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_TIMER:
      if (wParam == kStepTimer) Step();
      return 0;
    case WM_MOUSEMOVE:
      PointerMoved(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSELEAVE:
      PointerLeft();
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP:
      if (pressed_) Clicked(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      pressed_ = false;
      return 0;
    case WM_SETCURSOR: {
      POINT at{};
      if (LOWORD(lParam) == HTCLIENT && GetCursorPos(&at) && ScreenToClient(window_, &at) &&
          OverLink(at)) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    }
    case WM_DESTROY:
      KillTimer(window_, kStepTimer);
      Release();
      return 0;
    case WM_NCDESTROY: {
      const HWND window = window_;
      window_ = nullptr;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace vb::win32
