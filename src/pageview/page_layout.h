#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "pageview/page_model.h"

namespace vb {

// Text measurement, supplied by each desktop: the width in pixels of `text` (code page 936) in
// the page's fixed-width font at `fontPx`, bold or not.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int Width(std::string_view text, int fontPx, bool bold) = 0;
};

struct PageRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool Contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
  }
};

// A run as drawn into the strip, the scroller's content that is drawn once per page and moved.
struct PlacedRun {
  std::size_t group = 0, run = 0;  // the run in PageModel::groups
  std::string text;                // its text with blanks folded as a browser folds them
  int x = 0, y = 0, width = 0;     // in the strip; y is the top of the run's line
};

struct GroupBand {
  int top = 0, height = 0;  // in the strip; an empty group has no height
};

struct PlacedControl {
  std::string text;
  PageRect box;  // in the view
};

struct PageLayout {
  int fontPx = 16, lineHeight = 24;
  PageRect scroller;  // in the view
  int stripWidth = 0, stripHeight = 0;
  std::vector<PlacedRun> runs;          // in group and line order
  std::vector<GroupBand> groups;        // one per PageModel group
  std::vector<PlacedControl> controls;  // one per control, in the model's order
};

// Places the page in a view of `viewWidth` x `viewHeight` pixels. Groups stack in the strip,
// each one line per break it holds; lines never wrap.
PageLayout LayOutPage(const PageModel& model, TextMeasure& measure, int viewWidth, int viewHeight);

}  // namespace vb
