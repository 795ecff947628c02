// Writes the program's icon as <folder>/<size>/velloband.png for the icon theme.
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <glib/gstdio.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "resources/icons.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: vb_write_icons FOLDER\n", stderr);
    return 2;
  }
  for (int size : {16, 32, 48}) {
    vb::res::IconImage image = vb::res::DrawIcon(vb::ids::IDI_BROADCAST, size);
    if (image.size != size) return 1;
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, size, size);
    int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int row = 0; row < size; ++row) {
      std::memcpy(gdk_pixbuf_get_pixels(pixbuf) + row * stride, image.rgba.data() + row * size * 4,
                  size * 4);
    }
    std::string folder = std::string(argv[1]) + "/" + std::to_string(size);
    g_mkdir_with_parents(folder.c_str(), 0755);
    gboolean saved =
        gdk_pixbuf_save(pixbuf, (folder + "/velloband.png").c_str(), "png", nullptr, nullptr);
    g_object_unref(pixbuf);
    if (!saved) return 1;
  }
  return 0;
}
