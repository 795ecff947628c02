#include "platform/win32/page_picture.h"

#include <windows.h>
// The other system headers build on windows.h.
#include <ocidl.h>
#include <olectl.h>

#include "platform/win32/code_page.h"

namespace vb::win32 {
namespace {

// Beyond this a tile only repeats off any screen; a larger picture is not shown.
constexpr int kLargestTile = 4096;
constexpr int kHimetricPerInch = 2540;

}  // namespace

void PagePicture::Release() {
  if (brush_ != nullptr) DeleteObject(brush_);
  if (tile_ != nullptr) DeleteObject(tile_);
  brush_ = nullptr;
  tile_ = nullptr;
}

void PagePicture::Take(const std::string& path, std::uint32_t background) {
  if (path == path_ && background == background_) return;
  Release();
  path_ = path;
  background_ = background;
  if (path.empty() || path.find("://") != std::string::npos) return;
  std::wstring widePath = WideFrom936(path);
  IPicture* picture = nullptr;
  if (widePath.empty() || FAILED(OleLoadPicturePath(widePath.data(), nullptr, 0, 0, IID_IPicture,
                                                    reinterpret_cast<void**>(&picture)))) {
    return;
  }
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  const HDC screen = GetDC(nullptr);
  const int pixelsWide = MulDiv(width, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch);
  const int pixelsHigh = MulDiv(height, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch);
  const HDC drawing = CreateCompatibleDC(screen);
  if (pixelsWide > 0 && pixelsHigh > 0 && pixelsWide <= kLargestTile &&
      pixelsHigh <= kLargestTile && drawing != nullptr) {
    tile_ = CreateCompatibleBitmap(screen, pixelsWide, pixelsHigh);
  }
  if (tile_ != nullptr) {
    const HGDIOBJ old = SelectObject(drawing, tile_);
    // A transparent picture shows the background colour through it.
    const HBRUSH fill = CreateSolidBrush(
        RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
    const RECT all{0, 0, pixelsWide, pixelsHigh};
    FillRect(drawing, &all, fill);
    DeleteObject(fill);
    // Pictures are measured upwards from their bottom edge.
    picture->Render(drawing, 0, 0, pixelsWide, pixelsHigh, 0, height, width, -height, nullptr);
    SelectObject(drawing, old);
    brush_ = CreatePatternBrush(tile_);
  }
  if (drawing != nullptr) DeleteDC(drawing);
  ReleaseDC(nullptr, screen);
  picture->Release();
}

}  // namespace vb::win32
