#pragma once

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>

namespace vb {

// The page's background picture: a local path, a file:// address, or an http:// or https://
// address fetched in the background with the program's own download code. The same picture is
// loaded once, however often the page is reloaded.
class PagePicture {
 public:
  // `arrived` runs on the GTK thread when a fetched picture is ready to draw.
  explicit PagePicture(std::function<void()> arrived);
  ~PagePicture();
  PagePicture(const PagePicture&) = delete;
  PagePicture& operator=(const PagePicture&) = delete;

  // The picture that the page names (code page 936), empty for none.
  void Want(const std::string& picture);
  // Null while there is none to draw.
  cairo_surface_t* Surface() const { return surface_; }

 private:
  struct Fetch;
  struct Fetched;
  static int OnFetched(void* result);
  void Load(const std::string& file);

  std::function<void()> arrived_;
  std::string wanted_;
  cairo_surface_t* surface_ = nullptr;
  std::shared_ptr<Fetch> fetch_;
};

}  // namespace vb
