#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "pageview/page_model.h"

namespace vb {

// How a piece of text is set: the page's fixed-width font at `fontPx`, or the `face` a font
// element names.
struct TextStyle {
  int fontPx = 16;
  bool bold = false, italic = false;
  std::string_view face;
};

// The page's plain text at `fontPx`.
inline TextStyle PlainStyle(int fontPx) {
  TextStyle style;
  style.fontPx = fontPx;
  return style;
}

// The style of a run of the page whose body font is `pageFontPx`.
TextStyle StyleOf(const PageRun& run, int pageFontPx);

// Text measurement, supplied by each desktop: the width in pixels of `text` (code page 936).
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int Width(std::string_view text, const TextStyle& style) = 0;
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
  // Its text on this line, with blanks folded as a browser folds them and no-break spaces as
  // blanks; a run that wraps is placed once per line.
  std::string text;
  int x = 0, y = 0, width = 0;  // in the strip; y is the top of the run's line
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
// each one line per break it holds. In the upward, downward and roll forms a line wider than the
// scroller wraps where a browser wraps it; the sideways forms keep each line whole.
PageLayout LayOutPage(const PageModel& model, TextMeasure& measure, int viewWidth, int viewHeight);

}  // namespace vb
