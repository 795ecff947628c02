#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace vb::win32 {

// The page's background picture, tiled from the view's top left corner as a browser tiles a
// body's background, over the page's background colour. Only a picture on this computer is
// loaded: fetching an address would hold up the bar. One over 4096 pixels a side is not shown.
class PagePicture {
 public:
  PagePicture() = default;
  ~PagePicture() { Release(); }
  PagePicture(const PagePicture&) = delete;
  PagePicture& operator=(const PagePicture&) = delete;

  // Takes the picture at `path` (code page 936), unless it is the one already taken; an empty
  // path or a picture that cannot be read leaves none.
  void Take(const std::string& path, std::uint32_t background);
  // The tiles as a brush; null without a picture.
  HBRUSH Brush() const { return brush_; }

 private:
  void Release();

  std::string path_;
  std::uint32_t background_ = 0;
  HBITMAP tile_ = nullptr;
  HBRUSH brush_ = nullptr;
};

}  // namespace vb::win32
