#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace vb::win32 {

// The page's background picture, tiled from the view's top left corner as a browser tiles a
// body's background, over the page's background colour. Only a picture on this computer is
// loaded: fetching an address would hold up the bar. It is read and drawn into its tile on a
// thread of its own, which posts the tile to the view's window; one over 4096 pixels a side is
// not shown.
class PagePicture {
 public:
  // The message that brings a tile to the window given to Take; its lParam goes to Arrived.
  static constexpr UINT kArrivedMessage = WM_APP + 17;

  PagePicture() = default;
  ~PagePicture() { Release(); }
  PagePicture(const PagePicture&) = delete;
  PagePicture& operator=(const PagePicture&) = delete;

  // Takes the picture at `path` (code page 936), unless it is the one already taken, for
  // `window`; an empty path or a picture that cannot be read leaves none.
  void Take(const std::string& path, std::uint32_t background, HWND window);
  // A tile posted with kArrivedMessage; true when it is the one to show now.
  bool Arrived(LPARAM tile);
  // The tiles as a brush; null without a picture.
  HBRUSH Brush() const { return brush_; }

 private:
  void Release();

  std::string path_;
  std::uint32_t background_ = 0;
  unsigned generation_ = 0;  // which Take a posted tile answers
  HBITMAP tile_ = nullptr;
  HBRUSH brush_ = nullptr;
};

}  // namespace vb::win32
