#include "platform/linux/icon_art.h"

#include <cstring>

#include "resources/icons.h"

namespace vb {

GdkPixbuf* IconPixbuf(int iconResourceId, int size) {
  res::IconImage image = res::DrawIcon(iconResourceId, size);
  if (image.size <= 0 ||
      image.rgba.size() != static_cast<std::size_t>(image.size) * image.size * 4) {
    return nullptr;
  }
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, image.size, image.size);
  if (pixbuf == nullptr) return nullptr;
  int stride = gdk_pixbuf_get_rowstride(pixbuf);
  guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  for (int row = 0; row < image.size; ++row) {
    std::memcpy(pixels + row * stride, image.rgba.data() + row * image.size * 4, image.size * 4);
  }
  return pixbuf;
}

}  // namespace vb
