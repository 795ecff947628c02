#include "pageview/page_layout.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "pageview/line_breaks.h"
#include "pageview/page_text.h"
#include "settings/text_shape.h"

namespace vb {
namespace {

// However many headlines a feed holds, the strip's sums stay within an int.
constexpr long long kLongestStrip = 1 << 30;
// A scroller narrower than this many characters shows nothing readable; its lines stay whole
// rather than becoming a column of single characters.
constexpr int kNarrowestWrapInEms = 4;

int AddPixels(int a, int b) {
  return static_cast<int>(std::min<long long>(static_cast<long long>(a) + b, kLongestStrip));
}

std::string Shown(std::string text) {
  std::replace(text.begin(), text.end(), kNoBreakSpace, ' ');
  return text;
}

// Widths of single characters for wrapping: in the fixed-width faces of the page a line is as
// wide as its characters together, and each character is measured once however long the page.
class CharacterWidths {
 public:
  // The widths in one style.
  class Table {
   public:
    Table(TextMeasure& measure, const TextStyle& style) : measure_(measure), style_(style) {
      face_ = style.face;
      style_.face = face_;
    }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    int Of(std::string_view character) {
      unsigned key = static_cast<unsigned char>(character[0]);
      if (character.size() > 1) key = key << 8 | static_cast<unsigned char>(character[1]);
      auto [at, added] = widths_.try_emplace(key, 0);
      if (added) at->second = std::max(0, measure_.Width(Shown(std::string(character)), style_));
      return at->second;
    }

   private:
    TextMeasure& measure_;
    TextStyle style_;
    std::string face_;
    std::unordered_map<unsigned, int> widths_;
  };

  explicit CharacterWidths(TextMeasure& measure) : measure_(measure) {}

  Table& For(const TextStyle& style) {
    auto key = std::make_tuple(style.fontPx, style.bold, style.italic, std::string(style.face));
    auto found = tables_.find(key);
    if (found == tables_.end()) found = tables_.try_emplace(key, measure_, style).first;
    return found->second;
  }

 private:
  TextMeasure& measure_;
  std::map<std::tuple<int, bool, bool, std::string>, Table> tables_;
};

// What one line of a group holds before it is placed: the text of one run, blanks folded.
struct Segment {
  std::size_t run = 0;
  std::string text;
  TextStyle style;
  CharacterWidths::Table* characters = nullptr;
};

// Lays the runs of one group out line by line from `top`, wrapping at `wrap` pixels if set.
class LineBuilder {
 public:
  LineBuilder(PageLayout& layout, TextMeasure& measure, CharacterWidths& characters,
              std::optional<int> wrap, std::size_t group, int top)
      : layout_(layout),
        measure_(measure),
        characters_(characters),
        wrap_(wrap),
        group_(group),
        top_(top) {}

  void Add(std::size_t index, const PageRun& run, int pageFontPx) {
    if (run.lineBreak) {
      PlaceLine();
      ++line_;
      lineHasText_ = false;
      return;
    }
    std::string text;
    for (char c : run.text) {
      if (!IsHtmlSpace(c)) {
        text += c;
        blankBefore_ = false;
      } else if (!blankBefore_) {
        text += ' ';
        blankBefore_ = true;
      }
    }
    if (text.empty()) return;
    lineHasText_ = true;
    TextStyle style = StyleOf(run, pageFontPx);
    segments_.push_back(Segment{index, std::move(text), style, &characters_.For(style)});
  }

  // The group's height: a line per break and per wrap, and one more for text after the last
  // break.
  int Finish() {
    PlaceLine();
    return LinesHigh(line_ + (lineHasText_ ? 1 : 0));
  }

 private:
  int LinesHigh(long long lines) const {
    return static_cast<int>(std::min(lines * layout_.lineHeight, kLongestStrip));
  }

  // Places the text since the last break; a line's last blank is not shown.
  void PlaceLine() {
    if (!segments_.empty() && segments_.back().text.back() == ' ') {
      segments_.back().text.pop_back();
      if (segments_.back().text.empty()) segments_.pop_back();
    }
    std::vector<int> widths;
    long long total = 0;
    for (const Segment& segment : segments_) {
      widths.push_back(measure_.Width(Shown(segment.text), segment.style));
      total += widths.back();
    }
    if (wrap_ && total > *wrap_) {
      PlaceWrapping();
    } else {
      for (std::size_t i = 0; i < segments_.size(); ++i) {
        Put(i, Shown(segments_[i].text), widths[i]);
      }
    }
    segments_.clear();
    x_ = 0;
    lineStart_ = layout_.runs.size();
    blankBefore_ = true;
  }

  // Word by word: a word that does not fit starts a new line, and one wider than the scroller
  // on its own breaks where its characters reach the edge.
  void PlaceWrapping() {
    std::string all;
    std::vector<std::size_t> owner;  // the segment of each byte
    for (std::size_t i = 0; i < segments_.size(); ++i) {
      all += segments_[i].text;
      owner.resize(all.size(), i);
    }
    std::vector<bool> breaks = LineBreakOpportunities(all);
    for (std::size_t start = 0; start < all.size();) {
      std::size_t end = start + CharacterLength(all, start);
      while (end < all.size() && !breaks[end]) end += CharacterLength(all, end);
      long long width = 0, blank = 0;
      for (std::size_t at = start; at < end; at += CharacterLength(all, at)) {
        blank = all[at] == ' ' ? CharacterWidth(all, at, owner) : 0;
        width += CharacterWidth(all, at, owner);
      }
      bool alone = width - blank > *wrap_;
      if (x_ > 0 && x_ + width - blank > *wrap_) NewLine();
      for (std::size_t at = start; at < end;) {
        std::size_t length = CharacterLength(all, at);
        int character = CharacterWidth(all, at, owner);
        if (alone && x_ > 0 && x_ + character > *wrap_ && all[at] != ' ') NewLine();
        Put(owner[at], Shown(all.substr(at, length)), character);
        at += length;
      }
      start = end;
    }
  }

  int CharacterWidth(const std::string& all, std::size_t at,
                     const std::vector<std::size_t>& owner) {
    return segments_[owner[at]].characters->Of(
        std::string_view(all).substr(at, CharacterLength(all, at)));
  }

  // A wrapped line loses its last blank, as the line's end does.
  void NewLine() {
    if (lineStart_ < layout_.runs.size() && layout_.runs.back().text.ends_with(' ')) {
      PlacedRun& last = layout_.runs.back();
      last.text.pop_back();
      last.width = std::max(0, last.width - segments_[lastSegment_].characters->Of(" "));
    }
    ++line_;
    x_ = 0;
    lineStart_ = layout_.runs.size();
  }

  // Adds text to the line, to the run's piece on it if it has one already.
  void Put(std::size_t segment, std::string text, int width) {
    std::size_t run = segments_[segment].run;
    lastSegment_ = segment;
    if (lineStart_ < layout_.runs.size() && layout_.runs.back().run == run) {
      PlacedRun& last = layout_.runs.back();
      last.text += text;
      last.width = AddPixels(last.width, width);
    } else {
      layout_.runs.push_back(
          PlacedRun{group_, run, std::move(text), x_, AddPixels(top_, LinesHigh(line_)), width});
    }
    x_ = AddPixels(x_, width);
    layout_.stripWidth = std::max(layout_.stripWidth, x_);
  }

  PageLayout& layout_;
  TextMeasure& measure_;
  CharacterWidths& characters_;
  std::optional<int> wrap_;
  std::size_t group_;
  int top_;
  std::vector<Segment> segments_;
  std::size_t lastSegment_ = 0;  // the segment of the text placed last
  std::size_t lineStart_ = layout_.runs.size();
  long long line_ = 0;
  int x_ = 0;
  bool blankBefore_ = true;
  bool lineHasText_ = false;
};

}  // namespace

TextStyle StyleOf(const PageRun& run, int pageFontPx) {
  return TextStyle{run.fontPx != 0 ? run.fontPx : pageFontPx, run.bold, run.italic, run.face};
}

PageLayout LayOutPage(const PageModel& model, TextMeasure& measure, int viewWidth, int viewHeight) {
  PageLayout layout;
  layout.fontPx = model.head.fontPx;
  layout.lineHeight = std::max(0, model.head.lineHeight);
  const PageScroller& scroller = model.scroller;
  const int scrollerWidth = std::max(0, viewWidth - scroller.left);
  std::optional<int> wrap;
  if ((scroller.form == ScrollerForm::kRoll || IsVertical(scroller.heading)) &&
      scrollerWidth >= kNarrowestWrapInEms * layout.fontPx) {
    wrap = scrollerWidth;
  }
  CharacterWidths characters(measure);
  int top = 0;
  for (std::size_t g = 0; g < model.groups.size(); ++g) {
    LineBuilder lines(layout, measure, characters, wrap, g, top);
    const std::vector<PageRun>& runs = model.groups[g].runs;
    for (std::size_t r = 0; r < runs.size(); ++r) lines.Add(r, runs[r], layout.fontPx);
    int height = lines.Finish();
    layout.groups.push_back(GroupBand{top, height});
    top = AddPixels(top, height);
  }
  layout.stripHeight = top;

  int x = model.controlBar.left;
  for (const PageControl& control : model.controlBar.controls) {
    int width = measure.Width(control.text, PlainStyle(model.controlBar.fontPx));
    layout.controls.push_back(
        PlacedControl{control.text, PageRect{x, 0, width, layout.lineHeight}});
    x = AddPixels(x, width);
  }

  int height = layout.stripHeight;
  if (scroller.height) {
    height = *scroller.height;
  } else if (scroller.form == ScrollerForm::kMarquee && IsVertical(scroller.heading)) {
    height = viewHeight;
  }
  layout.scroller = PageRect{scroller.left, 0, scrollerWidth, std::max(0, height)};
  return layout;
}

}  // namespace vb
