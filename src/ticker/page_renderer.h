#pragma once

#include "render/page_render.h"

namespace vb {

// Writes the page the bar shows; tests put a fake in its place.
class PageRenderer {
 public:
  virtual ~PageRenderer() = default;
  // -1, 0 or the item count; below 1 counts as a failed render.
  virtual int Render(const PageRenderRequest& request) = 0;
};

// The real renderer, RenderChannelPage.
class ChannelPageRenderer final : public PageRenderer {
 public:
  int Render(const PageRenderRequest& request) override { return RenderChannelPage(request); }
};

}  // namespace vb
