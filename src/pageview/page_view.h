#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "pageview/page_layout.h"
#include "pageview/page_model.h"
#include "pageview/page_motion.h"

namespace vb {

// A piece of the strip and where it shows in the view. A marquee shows the whole strip at its
// place; the roll form shows its groups one under the other from the first group on, wrapping.
// The desktop copies each piece and clips it to the scroller.
struct StripPiece {
  PageRect from;         // in the strip
  int toX = 0, toY = 0;  // its top left corner in the view
};

// What lies under a point of the view. Controls lie above the scroller.
struct PageHit {
  enum class Where { kNothing, kControl, kScroller } where = Where::kNothing;
  std::size_t control = 0;         // with kControl
  std::optional<std::size_t> run;  // with kScroller: the placed run under the point, if any
};

// How a run or a control is drawn at this moment.
struct RunLook {
  std::uint32_t colour = 0;  // 0xRRGGBB
  bool underline = false;
};

// The page as the bar shows it, whatever desktop draws it: the model, its layout, the motion,
// the pointer's hover and the links visited while the program runs. The desktop supplies text
// widths and the time, draws the strip once per page and the pieces at every step, and passes
// the pointer on.
class PageView {
 public:
  // Shows a new page (a reload included): the motion starts again, the visited links stay.
  void Show(PageModel model, TextMeasure& measure, int width, int height, std::int64_t nowMs);
  // The view's new size.
  void Resize(TextMeasure& measure, int width, int height);

  bool Advance(std::int64_t nowMs) { return motion_.Advance(nowMs); }
  std::optional<std::int64_t> NextStepAt() const { return motion_.NextStepAt(); }

  // The pointer moved to a point of the view, or left it: runs the handlers of the elements it
  // leaves and enters. True when a run or control now looks different (hover colour, underline).
  bool PointerAt(int x, int y, std::int64_t nowMs);
  bool PointerLeft(std::int64_t nowMs);
  // A click: the address of the link under the point, references decoded, which counts as
  // visited from now on; empty when the point is on no link.
  std::optional<std::string> Click(int x, int y);
  // The run under a point, for its tooltip.
  const PageRun* RunAt(int x, int y) const;

  PageHit HitTest(int x, int y) const;
  std::vector<StripPiece> Pieces() const;
  RunLook LookOf(const PlacedRun& placed) const;
  RunLook LookOfControl(std::size_t control) const;
  // The body's background colour; empty when the page names none that can be read.
  std::optional<std::uint32_t> Background() const;

  const PageModel& Model() const { return model_; }
  const PageLayout& Layout() const { return layout_; }
  const PageMotion& Motion() const { return motion_; }
  bool Visited(const std::string& address) const { return visited_.count(address) != 0; }

 private:
  const PageRun& RunOf(const PlacedRun& placed) const;
  const PageAction* OverOf(const PageHit& hit) const;
  const PageAction* OutOf(const PageHit& hit) const;

  PageModel model_;
  PageLayout layout_;
  PageMotion motion_;
  PageHit hovered_;
  std::optional<std::size_t> hoveredRun_;
  std::set<std::string> visited_;
};

}  // namespace vb
