#include "platform/win32/page_picture.h"

#include <windows.h>
// The other system headers build on windows.h.
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <thread>

#include "platform/win32/code_page.h"

namespace vb::win32 {
namespace {

// Beyond this a tile only repeats off any screen; a larger picture is not shown.
constexpr int kLargestTile = 4096;
constexpr int kHimetricPerInch = 2540;

// What a load posts to the window.
struct Tile {
  unsigned generation;
  HBITMAP bitmap;
};

// The picture drawn over `background` into a bitmap of its size in screen pixels; null when it
// cannot be read or is too large.
HBITMAP DrawTile(const std::wstring& path, std::uint32_t background) {
  IPicture* picture = nullptr;
  std::wstring mutablePath = path;
  if (FAILED(OleLoadPicturePath(mutablePath.data(), nullptr, 0, 0, IID_IPicture,
                                reinterpret_cast<void**>(&picture)))) {
    return nullptr;
  }
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  const HDC screen = GetDC(nullptr);
  const int pixelsWide = MulDiv(width, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch);
  const int pixelsHigh = MulDiv(height, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch);
  const HDC drawing = CreateCompatibleDC(screen);
  HBITMAP tile = nullptr;
  if (pixelsWide > 0 && pixelsHigh > 0 && pixelsWide <= kLargestTile &&
      pixelsHigh <= kLargestTile && drawing != nullptr) {
    tile = CreateCompatibleBitmap(screen, pixelsWide, pixelsHigh);
  }
  if (tile != nullptr) {
    const HGDIOBJ old = SelectObject(drawing, tile);
    // A transparent picture shows the background colour through it.
    const HBRUSH fill = CreateSolidBrush(
        RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
    const RECT all{0, 0, pixelsWide, pixelsHigh};
    FillRect(drawing, &all, fill);
    DeleteObject(fill);
    // Pictures are measured upwards from their bottom edge.
    picture->Render(drawing, 0, 0, pixelsWide, pixelsHigh, 0, height, width, -height, nullptr);
    SelectObject(drawing, old);
  }
  if (drawing != nullptr) DeleteDC(drawing);
  ReleaseDC(nullptr, screen);
  picture->Release();
  return tile;
}

}  // namespace

void PagePicture::Release() {
  if (brush_ != nullptr) DeleteObject(brush_);
  if (tile_ != nullptr) DeleteObject(tile_);
  brush_ = nullptr;
  tile_ = nullptr;
}

void PagePicture::Take(const std::string& path, std::uint32_t background, HWND window) {
  if (path == path_ && background == background_) return;
  Release();
  path_ = path;
  background_ = background;
  const unsigned generation = ++generation_;
  if (path.empty() || path.find("://") != std::string::npos) return;
  const std::wstring widePath = WideFrom936(path);
  if (widePath.empty()) return;
  try {
    std::thread([widePath, background, window, generation] {
      const HRESULT com = CoInitialize(nullptr);
      const HBITMAP bitmap = DrawTile(widePath, background);
      if (SUCCEEDED(com)) CoUninitialize();
      if (bitmap == nullptr) return;
      auto* tile = new (std::nothrow) Tile{generation, bitmap};
      if (tile == nullptr ||
          !PostMessageW(window, kArrivedMessage, 0, reinterpret_cast<LPARAM>(tile))) {
        DeleteObject(bitmap);
        delete tile;
      }
    }).detach();
  } catch (...) {
    // No thread to be had: no picture this time.
  }
}

bool PagePicture::Arrived(LPARAM posted) {
  const std::unique_ptr<Tile> tile(reinterpret_cast<Tile*>(posted));
  if (tile->generation != generation_) {
    DeleteObject(tile->bitmap);
    return false;
  }
  Release();
  tile_ = tile->bitmap;
  brush_ = CreatePatternBrush(tile_);
  return true;
}

}  // namespace vb::win32
