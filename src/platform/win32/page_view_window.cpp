#include "platform/win32/page_view_window.h"

#include <windows.h>
// The other system headers build on windows.h.
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <new>

#include "pageview/page_links.h"
#include "pageview/page_reader.h"
#include "platform/win32/code_page.h"

namespace vb::win32 {
namespace {

constexpr const wchar_t* kViewClass = L"Velloband Page";
constexpr UINT_PTR kStepTimer = 1;

std::int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
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
  std::unique_ptr<PageViewWindow> view(new (std::nothrow) PageViewWindow(std::move(pageFile)));
  if (view == nullptr) return nullptr;
  RECT area{};
  GetClientRect(parent, &area);
  CreateWindowExW(0, kViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, area.right, area.bottom, parent,
                  nullptr, instance, view.get());
  if (view->window_ == nullptr) return nullptr;
  view->tip_.Create(instance, view->window_);
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
  tip_.Destroy();
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

void PageViewWindow::Reload() {
  RECT area{};
  GetClientRect(window_, &area);
  width_ = area.right;
  height_ = area.bottom;
  view_.Show(ReadPageFile(pageFile_).value_or(PageModel{}), text_, width_, height_, NowMs());
  text_.TakeTexts(view_.Layout());
  picture_.Take(view_.Model().head.picture, view_.Background().value_or(0xFFFFFF), window_);
  tip_.Forget();
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
  tip_.ShowFor(view_.RunAt(x, y));
  ScheduleStep();
}

void PageViewWindow::PointerLeft() {
  trackingLeave_ = false;
  pressed_ = false;
  const std::int64_t now = NowMs();
  const bool moved = view_.Advance(now);
  if (view_.PointerLeft(now) || moved) Redraw();
  tip_.ShowFor(nullptr);
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
    case PagePicture::kArrivedMessage:
      if (picture_.Arrived(lParam)) Redraw();
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
