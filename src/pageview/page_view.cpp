#include "pageview/page_view.h"

#include "pageview/page_text.h"

namespace vb {
namespace {

constexpr std::uint32_t kBodyText = 0x000000;  // a browser's text colour when the page sets none

bool SameRegion(const PageHit& a, const PageHit& b) {
  return a.where == b.where && (a.where != PageHit::Where::kControl || a.control == b.control);
}

std::uint32_t ColourOr(const std::string& colour, std::uint32_t fallback) {
  return ParseColour(colour).value_or(fallback);
}

}  // namespace

void PageView::Show(PageModel model, TextMeasure& measure, int width, int height,
                    std::int64_t nowMs) {
  model_ = std::move(model);
  layout_ = LayOutPage(model_, measure, width, height);
  motion_ = PageMotion(model_.scroller, layout_, nowMs);
  hovered_ = PageHit{};
  hoveredRun_.reset();
}

void PageView::Resize(TextMeasure& measure, int width, int height) {
  layout_ = LayOutPage(model_, measure, width, height);
  motion_.Resize(layout_);
  hoveredRun_.reset();
}

std::vector<StripPiece> PageView::Pieces() const {
  const PageRect& scroller = layout_.scroller;
  if (model_.scroller.form == ScrollerForm::kMarquee) {
    return {StripPiece{PageRect{0, 0, layout_.stripWidth, layout_.stripHeight},
                       scroller.x + motion_.X(), scroller.y + motion_.Y()}};
  }
  std::vector<StripPiece> pieces;
  std::size_t count = layout_.groups.size();
  int y = scroller.y;
  for (std::size_t k = 0; k < count && y < scroller.y + scroller.height; ++k) {
    const GroupBand& band = layout_.groups[(motion_.FirstGroup() + k) % count];
    if (band.height <= 0) continue;
    pieces.push_back(
        StripPiece{PageRect{0, band.top, layout_.stripWidth, band.height}, scroller.x, y});
    y += band.height;
  }
  return pieces;
}

PageHit PageView::HitTest(int x, int y) const {
  PageHit hit;
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    if (layout_.controls[i].box.Contains(x, y)) {
      hit.where = PageHit::Where::kControl;
      hit.control = i;
      return hit;
    }
  }
  if (!layout_.scroller.Contains(x, y)) return hit;
  // The marquee is its whole box; the roll form's items are the lines on show.
  if (model_.scroller.form == ScrollerForm::kMarquee) hit.where = PageHit::Where::kScroller;
  for (const StripPiece& piece : Pieces()) {
    PageRect shown{piece.toX, piece.toY, piece.from.width, piece.from.height};
    if (!shown.Contains(x, y)) continue;
    hit.where = PageHit::Where::kScroller;
    int stripX = piece.from.x + x - piece.toX, stripY = piece.from.y + y - piece.toY;
    for (std::size_t i = 0; i < layout_.runs.size(); ++i) {
      const PlacedRun& run = layout_.runs[i];
      if (PageRect{run.x, run.y, run.width, layout_.lineHeight}.Contains(stripX, stripY)) {
        hit.run = i;
        break;
      }
    }
    break;
  }
  return hit;
}

const PageAction* PageView::OverOf(const PageHit& hit) const {
  if (hit.where == PageHit::Where::kControl) return &model_.controlBar.controls[hit.control].over;
  if (hit.where == PageHit::Where::kScroller) return &model_.scroller.over;
  return nullptr;
}

const PageAction* PageView::OutOf(const PageHit& hit) const {
  if (hit.where == PageHit::Where::kControl) return &model_.controlBar.controls[hit.control].out;
  if (hit.where == PageHit::Where::kScroller) return &model_.scroller.out;
  return nullptr;
}

bool PageView::PointerAt(int x, int y, std::int64_t nowMs) {
  PageHit hit = HitTest(x, y);
  bool controlChanged = !SameRegion(hit, hovered_) && (hit.where == PageHit::Where::kControl ||
                                                       hovered_.where == PageHit::Where::kControl);
  if (!SameRegion(hit, hovered_)) {
    if (const PageAction* out = OutOf(hovered_)) motion_.Apply(*out, nowMs);
    if (const PageAction* over = OverOf(hit)) motion_.Apply(*over, nowMs);
  }
  hovered_ = hit;
  std::optional<std::size_t> link;
  if (hit.run && !RunOf(layout_.runs[*hit.run]).address.empty()) link = hit.run;
  bool runChanged = link != hoveredRun_;
  hoveredRun_ = link;
  return controlChanged || runChanged;
}

bool PageView::PointerLeft(std::int64_t nowMs) {
  if (const PageAction* out = OutOf(hovered_)) motion_.Apply(*out, nowMs);
  bool changed = hoveredRun_.has_value() || hovered_.where == PageHit::Where::kControl;
  hovered_ = PageHit{};
  hoveredRun_.reset();
  return changed;
}

std::optional<std::string> PageView::Click(int x, int y) {
  PageHit hit = HitTest(x, y);
  if (!hit.run) return std::nullopt;
  const std::string& address = RunOf(layout_.runs[*hit.run]).address;
  if (address.empty()) return std::nullopt;
  visited_.insert(address);
  return DecodeWithBlanks(address, ReferenceContext::kAttribute);
}

const PageRun* PageView::RunAt(int x, int y) const {
  PageHit hit = HitTest(x, y);
  return hit.run ? &RunOf(layout_.runs[*hit.run]) : nullptr;
}

const PageRun& PageView::RunOf(const PlacedRun& placed) const {
  return model_.groups[placed.group].runs[placed.run];
}

RunLook PageView::LookOf(const PlacedRun& placed) const {
  const PageRun& run = RunOf(placed);
  // The whole link takes the hover look, whichever of its pieces the pointer is on.
  bool hovered = hoveredRun_ && run.link != 0 && RunOf(layout_.runs[*hoveredRun_]).link == run.link;
  RunLook look;
  look.underline = hovered || run.underline;
  if (std::optional<std::uint32_t> font = ParseColour(run.colour)) {
    look.colour = *font;
  } else if (run.address.empty()) {
    look.colour = kBodyText;
  } else if (hovered) {
    look.colour = ColourOr(model_.head.hoverColour, kBodyText);
  } else if (Visited(run.address)) {
    look.colour = ColourOr(model_.head.visitedColour, kBodyText);
  } else {
    look.colour = ColourOr(model_.head.linkColour, kBodyText);
  }
  return look;
}

RunLook PageView::LookOfControl(std::size_t control) const {
  const PageControl& shown = model_.controlBar.controls.at(control);
  bool hovered = hovered_.where == PageHit::Where::kControl && hovered_.control == control;
  return RunLook{ColourOr(hovered ? shown.hoverColour : shown.colour, kBodyText), false};
}

std::optional<std::uint32_t> PageView::Background() const {
  return ParseColour(model_.head.background);
}

}  // namespace vb
