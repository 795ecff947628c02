#include "platform/linux/page_picture.h"

#include <gdk/gdk.h>
#include <glib/gstdio.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "fetch/curl_transfer.h"
#include "settings/file_io.h"
#include "settings/text_936.h"

namespace vb {

// One background download; the picture may have changed, or gone, by the time it ends.
struct PagePicture::Fetch {
  PagePicture* owner;
  std::atomic<bool> abandoned{false};
};

// What a download hands back to the GTK thread.
struct PagePicture::Fetched {
  std::shared_ptr<Fetch> fetch;
  std::string file;
  bool ok;
};

namespace {

bool IsWebAddress(const std::string& picture) {
  return g_ascii_strncasecmp(picture.c_str(), "http://", 7) == 0 ||
         g_ascii_strncasecmp(picture.c_str(), "https://", 8) == 0;
}

}  // namespace

PagePicture::PagePicture(std::function<void()> arrived) : arrived_(std::move(arrived)) {}

PagePicture::~PagePicture() {
  if (fetch_) fetch_->abandoned = true;
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
}

void PagePicture::Want(const std::string& picture) {
  if (picture == wanted_) return;
  wanted_ = picture;
  if (fetch_) fetch_->abandoned = true;
  fetch_.reset();
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
  surface_ = nullptr;
  if (picture.empty()) return;
  if (!IsWebAddress(picture)) {
    gchar* local = g_ascii_strncasecmp(picture.c_str(), "file://", 7) == 0
                       ? g_filename_from_uri(Utf8From936(picture).c_str(), nullptr, nullptr)
                       : nullptr;
    Load(local != nullptr ? std::string(local) : FilePath(picture).string());
    g_free(local);
    return;
  }
  gchar* file = nullptr;
  int handle = g_file_open_tmp("vb-picture-XXXXXX", &file, nullptr);
  if (handle < 0) return;
  close(handle);
  fetch_ = std::make_shared<Fetch>();
  fetch_->owner = this;
  auto* result = new Fetched{fetch_, file, false};
  g_free(file);
  std::string address = picture;
  std::shared_ptr<Transfer> transfer = MakeCurlTransfer();
  std::thread([result, address, transfer] {
    result->ok = transfer->Fetch(address, result->file) == TransferResult::kDone;
    g_idle_add(&PagePicture::OnFetched, result);
  }).detach();
}

int PagePicture::OnFetched(void* data) {
  std::unique_ptr<Fetched> result(static_cast<Fetched*>(data));
  if (!result->fetch->abandoned && result->ok) {
    PagePicture* owner = result->fetch->owner;
    owner->Load(result->file);
    owner->fetch_.reset();
    if (owner->surface_ != nullptr && owner->arrived_) owner->arrived_();
  }
  g_unlink(result->file.c_str());
  return G_SOURCE_REMOVE;
}

void PagePicture::Load(const std::string& file) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(file.c_str(), nullptr);
  if (pixbuf == nullptr) return;
  surface_ = gdk_cairo_surface_create_from_pixbuf(pixbuf, 1, nullptr);
  g_object_unref(pixbuf);
}

}  // namespace vb
