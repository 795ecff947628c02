#pragma once

#include <windows.h>
// The other system headers build on windows.h.
#include <commctrl.h>

#include <string>

#include "pageview/page_model.h"

namespace vb::win32 {

// The title of the headline under the pointer, in a system tooltip over the page view's window,
// as a person reads it: markup gone, references decoded, one line per line feed.
class PageTip {
 public:
  PageTip() = default;
  ~PageTip() { Destroy(); }
  PageTip(const PageTip&) = delete;
  PageTip& operator=(const PageTip&) = delete;

  void Create(HINSTANCE instance, HWND view);
  void Destroy();
  // The title of `run` from now on (none for null or an untitled run); a new title waits for
  // the pointer to rest again, as a browser's link titles do.
  void ShowFor(const PageRun* run);
  // The page that the run belongs to has gone.
  void Forget();

 private:
  TTTOOLINFOW Tool();
  void SetText(std::wstring text);

  HWND view_ = nullptr;
  HWND tip_ = nullptr;
  const PageRun* run_ = nullptr;
  std::wstring text_;
};

}  // namespace vb::win32
