#include "platform/linux/page_picture.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <utility>

#include "fetch/unfinished_downloads.h"
#include "platform/linux/curl_transfer.h"
#include "settings/atomic_file.h"
#include "settings/file_io.h"
#include "settings/text_936.h"

namespace vb {

// One background load; the picture may have changed, or gone, by the time it ends.
struct PagePicture::Load {
  PagePicture* owner;
  std::atomic<bool> abandoned{false};
};

// What a load hands back to the GTK thread.
struct PagePicture::Loaded {
  std::shared_ptr<Load> load;
  cairo_surface_t* surface = nullptr;
};

namespace {

// A tile larger than this only repeats off any screen, and a huge one costs hundreds of
// megabytes to decode.
constexpr int kLargestSide = 4096;

bool IsWebAddress(const std::string& picture) {
  return g_ascii_strncasecmp(picture.c_str(), "http://", 7) == 0 ||
         g_ascii_strncasecmp(picture.c_str(), "https://", 8) == 0;
}

bool Drawable(int width, int height) {
  return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
}

// The picture in `file`; null when it cannot be read or is too large, which its header tells
// before anything is decoded.
GdkPixbuf* Decode(const std::string& file) {
  int width = 0, height = 0;
  if (gdk_pixbuf_get_file_info(file.c_str(), &width, &height) == nullptr ||
      !Drawable(width, height)) {
    return nullptr;
  }
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(file.c_str(), nullptr);
  if (pixbuf != nullptr && !Drawable(gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf))) {
    g_object_unref(pixbuf);
    pixbuf = nullptr;
  }
  return pixbuf;
}

// The picture as cairo draws it: 32-bit pixels, the colours multiplied by their alpha.
cairo_surface_t* SurfaceOf(GdkPixbuf* pixbuf) {
  const int width = gdk_pixbuf_get_width(pixbuf), height = gdk_pixbuf_get_height(pixbuf);
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS || channels < 3) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_surface_flush(surface);
  const guchar* from = gdk_pixbuf_read_pixels(pixbuf);
  unsigned char* to = cairo_image_surface_get_data(surface);
  for (int y = 0; y < height; ++y) {
    const guchar* in = from + static_cast<std::ptrdiff_t>(y) * gdk_pixbuf_get_rowstride(pixbuf);
    auto* out = reinterpret_cast<std::uint32_t*>(to + static_cast<std::ptrdiff_t>(y) *
                                                          cairo_image_surface_get_stride(surface));
    for (int x = 0; x < width; ++x, in += channels) {
      const std::uint32_t a = alpha ? in[3] : 255;
      const auto premultiplied = [a](guchar c) { return (c * a + 127) / 255; };
      out[x] =
          a << 24 | premultiplied(in[0]) << 16 | premultiplied(in[1]) << 8 | premultiplied(in[2]);
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

// The picture in `file` ready to draw, or null.
cairo_surface_t* Read(const std::string& file) {
  GdkPixbuf* pixbuf = Decode(file);
  if (pixbuf == nullptr) return nullptr;
  cairo_surface_t* surface = SurfaceOf(pixbuf);
  g_object_unref(pixbuf);
  return surface;
}

// The local file that a path or a file:// address names.
std::string LocalFile(const std::string& picture) {
  if (g_ascii_strncasecmp(picture.c_str(), "file://", 7) != 0) return FilePath(picture).string();
  gchar* local = g_filename_from_uri(Utf8From936(picture).c_str(), nullptr, nullptr);
  const std::string file = local != nullptr ? local : "";
  g_free(local);
  return file;
}

cairo_surface_t* Fetch(const std::string& address, const std::string& temporary) {
  const UnfinishedDownload unfinished(temporary);
  cairo_surface_t* surface = MakeCurlTransfer()->Fetch(address, temporary) == TransferResult::kDone
                                 ? Read(temporary)
                                 : nullptr;
  RemoveFile(temporary);
  return surface;
}

}  // namespace

PagePicture::PagePicture(std::function<void()> settled) : settled_(std::move(settled)) {}

PagePicture::~PagePicture() {
  if (load_) load_->abandoned = true;
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
}

void PagePicture::Want(const std::string& picture, const std::string& pageFile) {
  if (picture == wanted_) return;
  wanted_ = picture;
  if (load_) load_->abandoned = true;
  load_.reset();
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
  surface_ = nullptr;
  if (picture.empty()) return;
  const bool web = IsWebAddress(picture);
  const std::string source = web ? picture : LocalFile(picture);
  const std::string temporary = web ? TemporaryPathBeside(pageFile) : std::string();
  auto load = std::make_shared<Load>();
  load->owner = this;
  auto* result = new Loaded{load};
  try {
    std::thread([result, source, temporary] {
      result->surface = temporary.empty() ? Read(source) : Fetch(source, temporary);
      g_idle_add(&PagePicture::OnLoaded, result);
    }).detach();
    load_ = std::move(load);
  } catch (...) {
    delete result;  // no thread to be had: no picture this time
  }
}

int PagePicture::OnLoaded(void* data) {
  std::unique_ptr<Loaded> result(static_cast<Loaded*>(data));
  if (!result->load->abandoned) {
    PagePicture* owner = result->load->owner;
    owner->surface_ = std::exchange(result->surface, nullptr);
    owner->load_.reset();
    if (owner->settled_) owner->settled_();
  }
  if (result->surface != nullptr) cairo_surface_destroy(result->surface);
  return G_SOURCE_REMOVE;
}

}  // namespace vb
