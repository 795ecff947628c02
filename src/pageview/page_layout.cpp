#include "pageview/page_layout.h"

#include <algorithm>

namespace vb {
namespace {

// However many headlines a feed holds, the strip's sums stay within an int.
constexpr long long kLongestStrip = 1 << 30;

int AddPixels(int a, int b) {
  return static_cast<int>(std::min<long long>(static_cast<long long>(a) + b, kLongestStrip));
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Lays the runs of one group out line by line from `top`.
class LineBuilder {
 public:
  LineBuilder(PageLayout& layout, TextMeasure& measure, std::size_t group, int top)
      : layout_(layout),
        measure_(measure),
        group_(group),
        top_(top),
        lineStart_(layout.runs.size()) {}

  void Add(std::size_t index, const PageRun& run) {
    if (run.lineBreak) {
      EndLine();
      ++breaks_;
      lineHasText_ = false;
      return;
    }
    std::string text;
    for (char c : run.text) {
      if (!IsBlank(c)) {
        text += c;
        blankBefore_ = false;
      } else if (!blankBefore_) {
        text += ' ';
        blankBefore_ = true;
      }
    }
    if (text.empty()) return;
    lineHasText_ = true;
    int width = measure_.Width(text, layout_.fontPx, run.bold);
    int y = AddPixels(top_, LinesHigh(breaks_));
    layout_.runs.push_back(PlacedRun{group_, index, std::move(text), x_, y, width});
    lastBold_ = run.bold;
    x_ = AddPixels(x_, width);
  }

  // The group's height: a line per break, and one more for text after the last break.
  int Finish() {
    EndLine();
    return LinesHigh(breaks_ + (lineHasText_ ? 1 : 0));
  }

 private:
  int LinesHigh(long long lines) const {
    return static_cast<int>(std::min(lines * layout_.lineHeight, kLongestStrip));
  }

  // A line's last blank is not shown.
  void EndLine() {
    if (lineStart_ < layout_.runs.size() && layout_.runs.back().text.back() == ' ') {
      PlacedRun& last = layout_.runs.back();
      last.text.pop_back();
      last.width = last.text.empty() ? 0 : measure_.Width(last.text, layout_.fontPx, lastBold_);
      x_ = last.x + last.width;
    }
    layout_.stripWidth = std::max(layout_.stripWidth, x_);
    x_ = 0;
    blankBefore_ = true;
    lineStart_ = layout_.runs.size();
  }

  PageLayout& layout_;
  TextMeasure& measure_;
  std::size_t group_;
  int top_;
  std::size_t lineStart_;
  int breaks_ = 0;
  int x_ = 0;
  bool blankBefore_ = true;
  bool lineHasText_ = false;
  bool lastBold_ = false;
};

}  // namespace

PageLayout LayOutPage(const PageModel& model, TextMeasure& measure, int viewWidth, int viewHeight) {
  PageLayout layout;
  layout.fontPx = model.head.fontPx;
  layout.lineHeight = std::max(0, model.head.lineHeight);
  int top = 0;
  for (std::size_t g = 0; g < model.groups.size(); ++g) {
    LineBuilder lines(layout, measure, g, top);
    const std::vector<PageRun>& runs = model.groups[g].runs;
    for (std::size_t r = 0; r < runs.size(); ++r) lines.Add(r, runs[r]);
    int height = lines.Finish();
    layout.groups.push_back(GroupBand{top, height});
    top = AddPixels(top, height);
  }
  layout.stripHeight = top;

  int x = model.controlBar.left;
  for (const PageControl& control : model.controlBar.controls) {
    int width = measure.Width(control.text, model.controlBar.fontPx, false);
    layout.controls.push_back(
        PlacedControl{control.text, PageRect{x, 0, width, layout.lineHeight}});
    x = AddPixels(x, width);
  }

  const PageScroller& scroller = model.scroller;
  int height = layout.stripHeight;
  if (scroller.height) {
    height = *scroller.height;
  } else if (scroller.form == ScrollerForm::kMarquee && IsVertical(scroller.heading)) {
    height = viewHeight;
  }
  layout.scroller =
      PageRect{scroller.left, 0, std::max(0, viewWidth - scroller.left), std::max(0, height)};
  return layout;
}

}  // namespace vb
