#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "pageview/page_view.h"
#include "platform/win32/gdi_page_text.h"
#include "platform/win32/page_picture.h"
#include "platform/win32/page_tip.h"

namespace vb::win32 {

// The bar's page where the system's web-browser control is not at hand: a child window that
// reads the page file into the portable page view and draws it with GDI. The view decides the
// motion, the hover and the links; this window draws, keeps the time, passes the pointer on,
// shows the tooltips and hands clicked addresses to the shell.
class PageViewWindow {
 public:
  // A window filling `parent` that shows `pageFile` (a code page 936 path); null on failure.
  static std::unique_ptr<PageViewWindow> Create(HINSTANCE instance, HWND parent,
                                                std::string pageFile);
  ~PageViewWindow();
  PageViewWindow(const PageViewWindow&) = delete;
  PageViewWindow& operator=(const PageViewWindow&) = delete;

  // Reads the page file again; the page starts moving from the beginning.
  void Reload();

 private:
  explicit PageViewWindow(std::string pageFile) : pageFile_(std::move(pageFile)) {}
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void Release();
  void DropBackBuffer();
  void Resized(int width, int height);
  void Paint();
  void Step();
  void ScheduleStep();
  void PointerMoved(int x, int y);
  void PointerLeft();
  void Clicked(int x, int y);
  bool OverLink(POINT at) const;
  void Redraw();

  std::string pageFile_;
  HWND window_ = nullptr;
  PageView view_;
  GdiPageText text_;
  PagePicture picture_;
  PageTip tip_;
  int width_ = 0, height_ = 0;
  HDC backBuffer_ = nullptr;
  HBITMAP backBitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  bool trackingLeave_ = false;
  bool pressed_ = false;
};

}  // namespace vb::win32
