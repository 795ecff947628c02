#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "pageview/page_layout.h"
#include "pageview/page_model.h"

namespace vb {

// What the browser's marquee and the roll script do with the scroller, driven by the time the
// desktop passes in (milliseconds on any steady clock). A marquee enters from its far edge,
// moves `step` pixels every `delay` milliseconds and enters again once the strip has left; the
// roll form turns `rollLines` groups to the end (or, backwards, to the front) every period.
class PageMotion {
 public:
  PageMotion() = default;
  PageMotion(const PageScroller& scroller, const PageLayout& layout, std::int64_t nowMs);

  // An element's mouse-over or mouse-out handler.
  void Apply(const PageAction& action, std::int64_t nowMs);
  // Takes every step that is due by `nowMs`; true when the scroller looks different.
  bool Advance(std::int64_t nowMs);
  // When the next step is due; empty while nothing moves.
  std::optional<std::int64_t> NextStepAt() const;
  // The scroller's new size; the strip keeps its place.
  void Resize(const PageLayout& layout);

  // Where the strip's top left corner lies in the scroller (marquee).
  int X() const { return x_; }
  int Y() const { return y_; }
  // The group shown first (roll form).
  std::size_t FirstGroup() const { return first_; }
  bool Running() const;
  int Step() const { return step_; }
  Heading Direction() const { return heading_; }

 private:
  void Enter();
  bool MoveOnce();
  // A step of 0, or a delay of 0, gives a marquee no motion at all.
  bool Moves() const;

  ScrollerForm form_ = ScrollerForm::kMarquee;
  int scrollerWidth_ = 0, scrollerHeight_ = 0, stripWidth_ = 0, stripHeight_ = 0;
  // Marquee.
  Heading heading_ = Heading::kLeft;
  int step_ = 0;
  int delayMs_ = 0;
  bool noDelay_ = false;
  bool running_ = false;
  std::int64_t lastStep_ = 0;
  int x_ = 0, y_ = 0;
  // Roll form.
  std::optional<RollTimer> roll_;
  std::int64_t nextTurn_ = 0;
  std::size_t groups_ = 0, first_ = 0, rollLines_ = 1;
};

}  // namespace vb
