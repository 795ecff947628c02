#pragma once

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>

namespace vb {

// The page's background picture: a local path, a file:// address, or an http:// or https://
// address fetched with the program's own download code into a temporary file beside the page,
// which goes as soon as the picture is read (and, left by a run that ended first, at the next
// start). Pictures are read and decoded on a thread of their own; one larger than 4096 pixels a
// side is not shown, and is not decoded either. The same picture is loaded once, however often
// the page is reloaded.
class PagePicture {
 public:
  // `settled` runs on the GTK thread when the wanted picture is ready to draw, or has turned
  // out not to be drawable.
  explicit PagePicture(std::function<void()> settled);
  ~PagePicture();
  PagePicture(const PagePicture&) = delete;
  PagePicture& operator=(const PagePicture&) = delete;

  // The picture that the page `pageFile` names (code page 936), empty for none.
  void Want(const std::string& picture, const std::string& pageFile);
  // Null while there is none to draw.
  cairo_surface_t* Surface() const { return surface_; }

 private:
  struct Load;
  struct Loaded;
  static int OnLoaded(void* result);

  std::function<void()> settled_;
  std::string wanted_;
  cairo_surface_t* surface_ = nullptr;
  std::shared_ptr<Load> load_;
};

}  // namespace vb
